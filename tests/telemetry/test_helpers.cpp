#include "test_helpers.h"

#include <gtest/gtest.h>
#include <QString>
#include <QXmlStreamReader>

#include "run_program.h"

namespace vantrel::test {

void AddSentence(TelemetryStore& store, const std::string& text, uint32_t time_stamp) {
  store.ParseTelemetryPacket(reinterpret_cast<const uint8_t*>(text.c_str()), text.size() + 1,
                             time_stamp);
}

ProgramRun RunCli(const std::vector<std::string>& words) {
  return RunProgram(ToolPath("vantrel-cli"), words, ErrorOutput::kDropped, {{"TZ", "UTC"}});
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
