#include "test_helpers.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <QString>
#include <QXmlStreamReader>

#include <cstdio>

namespace vantrel::test {
namespace {

std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& words) {
  std::string command = "TZ=UTC " + Quoted(VANTREL_CLI_PATH);
  for (const std::string& word : words) command += " " + Quoted(word);
  CliRun run;
  std::FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return run;
  char chunk[4096];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof(chunk), pipe)) > 0) run.out.append(chunk, got);
  const int status = pclose(pipe);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::vector<TrackPoint> ReadTrack(const std::string& gpx) {
  std::vector<TrackPoint> points;
  QXmlStreamReader reader(QString::fromStdString(gpx));
  while (reader.readNext() != QXmlStreamReader::EndDocument && !reader.hasError()) {
    if (!reader.isStartElement()) continue;
    const QString name = reader.name().toString();
    const auto attribute = [&](const char* key) {
      return reader.attributes().value(key).toString().toStdString();
    };
    if (name == "gpx") {
      EXPECT_EQ(reader.namespaceUri().toString(), "http://www.topografix.com/GPX/1/1");
      EXPECT_EQ(attribute("version"), "1.1");
    } else if (name == "trkpt") {
      points.push_back({attribute("lat"), attribute("lon"), "", "", ""});
    } else if (!points.empty() && (name == "time" || name == "speed" || name == "course")) {
      std::string& field = name == "time"    ? points.back().time
                           : name == "speed" ? points.back().speed
                                             : points.back().course;
      field = reader.readElementText().toStdString();
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return points;
}

}  // namespace vantrel::test
