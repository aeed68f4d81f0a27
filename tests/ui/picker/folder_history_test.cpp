// The rules of the picker's folder history, on a store held in memory.
#include "ui/picker/folder_history.h"

#include <QTest>
#include <map>

namespace vantrel::ui {
namespace {

class MapStore : public HistoryStore {
 public:
  std::optional<std::string> Read(const std::string& key) override {
    ++reads;
    const auto found = values.find(key);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  void Write(const std::string& key, const std::string& value) override { values[key] = value; }
  void Remove(const std::string& key) override { values.erase(key); }

  std::map<std::string, std::string> values;
  int reads = 0;
};

// Every value name exists and holds a different folder: a settings file gone wrong.
class EndlessStore : public MapStore {
 public:
  std::optional<std::string> Read(const std::string& key) override {
    ++reads;
    return "/gone/" + key;
  }
};

std::string Folder(int i) { return "/media/card/folder" + std::to_string(i); }

}  // namespace

class FolderHistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void KeyNamesAndLastChoiceName() {
    const FolderHistory history("Folder");
    QCOMPARE(history.KeyName(0), std::string("Folder0000"));
    QCOMPARE(history.KeyName(49), std::string("Folder0049"));
    QCOMPARE(history.KeyName(12345), std::string("Folder12345"));
    QCOMPARE(history.last_key(), std::string("Folder"));
    QCOMPARE(FolderHistory("").last_key(), std::string("Last"));
    QCOMPARE(FolderHistory("Folder", "Chosen").last_key(), std::string("Chosen"));
  }

  void NewestFirstCappedAndWithoutDuplicates() {
    FolderHistory history("Folder");
    history.SetMaxCount(FolderHistory::kPickerMaxCount);
    for (int i = 0; i < 60; ++i) QVERIFY(history.Remember(Folder(i)));
    QCOMPARE(history.entries().size(), size_t{50});
    QCOMPARE(history.entries().front(), Folder(59));
    QCOMPARE(history.entries().back(), Folder(10));

    // Chosen again: moves to the top, once, and nothing else is lost.
    QVERIFY(history.Remember("  " + Folder(30) + "\t"));
    QCOMPARE(history.entries().size(), size_t{50});
    QCOMPARE(history.entries().front(), Folder(30));
    QCOMPARE(history.entries()[1], Folder(59));
    QCOMPARE(std::count(history.entries().begin(), history.entries().end(), Folder(30)), 1);
    QCOMPARE(history.entries().back(), Folder(10));
    QCOMPARE(history.last_choice(), Folder(30));

    // A new one pushes the oldest out.
    QVERIFY(history.Remember(Folder(99)));
    QCOMPARE(history.entries().size(), size_t{50});
    QCOMPARE(history.entries().back(), Folder(11));

    // Paths differing only in case are different folders here.
    QVERIFY(history.Remember("/media/CARD/folder30"));
    QCOMPARE(history.entries()[2], Folder(30));
  }

  void EmptyChoiceLeavesHistoryAndStoreAlone() {
    MapStore store;
    FolderHistory history("Folder");
    history.Remember(Folder(1));
    history.Save(store);
    const auto before = store.values;
    QVERIFY(!history.Remember(""));
    QVERIFY(!history.Remember(" \t\r\n"));
    QCOMPARE(history.entries().size(), size_t{1});
    QCOMPARE(history.last_choice(), Folder(1));
    history.Save(store);
    QVERIFY(store.values == before);
  }

  void SavedHistoryReadsBack() {
    MapStore store;
    FolderHistory written("Folder");
    written.SetMaxCount(FolderHistory::kPickerMaxCount);
    for (int i = 0; i < 55; ++i) written.Remember(Folder(i));
    written.Save(store);
    QCOMPARE(store.values.size(), size_t{51});  // 50 entries and the last choice
    QCOMPARE(store.values.at("Folder0000"), Folder(54));
    QCOMPARE(store.values.at("Folder0049"), Folder(5));
    QCOMPARE(store.values.count("Folder0050"), size_t{0});
    QCOMPARE(store.values.at("Folder"), Folder(54));

    FolderHistory read("Folder");
    read.SetMaxCount(FolderHistory::kPickerMaxCount);
    read.Load(store);
    QVERIFY(read.entries() == written.entries());
    QCOMPARE(read.last_choice(), Folder(54));
  }

  void SaveClearsValuesLeftFromALongerList() {
    MapStore store;
    // Written with the larger default limit: 80 values.
    for (int i = 0; i < 80; ++i) store.values[FolderHistory("Folder").KeyName(i)] = Folder(i);
    // Something past a gap is not part of the list and stays.
    store.values["Folder0090"] = "/elsewhere";
    FolderHistory history("Folder");
    history.SetMaxCount(FolderHistory::kPickerMaxCount);
    history.Load(store);
    QCOMPARE(history.entries().size(), size_t{50});
    history.Remember(Folder(200));
    history.Save(store);
    QCOMPARE(store.values.at("Folder0000"), Folder(200));
    QCOMPARE(store.values.at("Folder0049"), Folder(48));
    for (int i = 50; i < 80; ++i) QCOMPARE(store.values.count(history.KeyName(i)), size_t{0});
    QCOMPARE(store.values.at("Folder0090"), std::string("/elsewhere"));

    FolderHistory reread("Folder", "");
    reread.Load(store);
    QCOMPARE(reread.entries().size(), size_t{50});
  }

  void LoadStopsAtGapsAndSkipsWhatIsGone() {
    MapStore store;
    store.values = {{"Folder0000", "/a"}, {"Folder0001", "/b"}, {"Folder0002", "/a"},
                    {"Folder0003", "/c"}, {"Folder0004", ""},   {"Folder0005", "/after-gap"},
                    {"Folder", "/last"}};
    FolderHistory history("Folder");
    history.Load(store);
    QVERIFY((history.entries() == std::vector<std::string>{"/a", "/b", "/c"}));
    QCOMPARE(history.last_choice(), std::string("/last"));

    history.Load(store, [](const std::string& path) { return path != "/b"; });
    QVERIFY((history.entries() == std::vector<std::string>{"/a", "/c"}));

    // Loading replaces what was there; an empty section gives an empty history.
    MapStore empty;
    history.Load(empty);
    QVERIFY(history.entries().empty());
    QVERIFY(history.last_choice().empty());
  }

  void DamagedSettingsCannotKeepALoadOrSaveGoing() {
    EndlessStore store;
    FolderHistory history("Folder");
    history.Load(store, [](const std::string&) { return false; });
    QVERIFY(history.entries().empty());
    QVERIFY(store.reads <= static_cast<int>(FolderHistory::kKeyBound) + 1);

    store.reads = 0;
    history.Remember("/x");
    history.Save(store);
    QVERIFY(store.reads <= static_cast<int>(FolderHistory::kKeyBound));
  }
};

}  // namespace vantrel::ui

QTEST_APPLESS_MAIN(vantrel::ui::FolderHistoryTest)
#include "folder_history_test.moc"
