#include <gtest/gtest.h>

#include "store/rooms.h"
#include "store/store_fixture.h"

namespace {

struct Rooms : StoreFixture {
    void WriteRooms(const std::vector<std::string>& numbers) const {
        std::vector<std::string> lines = {std::to_string(numbers.size()), "-------"};
        for (const std::string& n : numbers) {
            std::vector<std::string> room = {n, "Класс " + n, "Хранитель", "1 этаж", n == "5" ? "1" : "0", "-------"};
            lines.insert(lines.end(), room.begin(), room.end());
        }
        Write("auditor.set", lines);
        Write("pecataud.set", {"2", "12", "Зал-12", "12", "Большой зал"});
    }
};

TEST_F(Rooms, LoadCreatesTheMissingNotesFileWithItsExactLines) {
    WriteRooms({"5", "12"});
    LoadRooms(*model);
    ASSERT_EQ(model->rooms.size(), 2);
    EXPECT_EQ(model->rooms[1].small, 1);
    EXPECT_EQ(model->rooms[2].name, "Класс 12");
    std::vector<std::string> expected = {"5", "-------"};
    for (int day = 1; day <= 6; ++day) {
        for (int i = 0; i < 28; ++i) expected.push_back("-");
        expected.push_back("-------");
    }
    EXPECT_EQ(Read("5.auk"), expected);
    EXPECT_EQ(expected.size(), 176u);
    EXPECT_EQ(model->rooms[1].notes.note2[6][14], "-");
}

TEST_F(Rooms, NotesRoundTripForEveryRoomOfTheList) {
    std::vector<std::string> numbers;
    for (int i = 1; i <= 100; ++i) numbers.push_back(std::to_string(i));
    WriteRooms(numbers);
    LoadRooms(*model);
    Room& last = model->rooms[100];
    last.notes.note1[3][7] = "Репетиция хора";
    last.notes.note2[6][14] = "ключ у вахтёра";
    SaveRoomNotes(*model, 100);
    const std::string bytes = ReadFileBytes(File("100.auk"));
    LoadRooms(*model);
    EXPECT_EQ(model->rooms[100].notes.note1[3][7], "Репетиция хора");
    EXPECT_EQ(model->rooms[100].notes.note2[6][14], "ключ у вахтёра");
    EXPECT_EQ(Read("100.auk")[2 + 2 * 29 + 12], "Репетиция хора");
    SaveRoomNotes(*model, 100);
    EXPECT_EQ(ReadFileBytes(File("100.auk")), bytes);
}

TEST_F(Rooms, LookupsTakeTheLastMatch) {
    WriteRooms({"5", "12", "7", "12"});
    LoadRooms(*model);
    EXPECT_TRUE(FindRoom(*model, "12"));
    EXPECT_EQ(model->sel.room, 4);
    EXPECT_FALSE(FindRoom(*model, "99"));
    EXPECT_EQ(model->sel.room, 4);
    EXPECT_EQ(PrintNameOf(*model, "12"), "Большой зал");
    EXPECT_EQ(PrintNameOf(*model, "7"), "7");
}

TEST_F(Rooms, UnsafeRoomNumberIsRefusedBeforeAnyNotesFileIsWritten) {
    WriteRooms({"5", "../../x"});
    EXPECT_THROW(LoadRooms(*model), FileError);
    EXPECT_FALSE(FileExists(File("5.auk")));
}

TEST_F(Rooms, RoomSetsNameTheAnalysisItems) {
    Write("kabinety.set", {"1", "Кабинеты теории", "2", "12", "14"});
    LoadRoomSets(*model);
    ASSERT_EQ(model->roomSets.size(), 1);
    EXPECT_EQ(model->roomSets[1].rooms, (std::vector<std::string>{"12", "14"}));
    RoomSetItem first = RoomSetMenuItem(*model, 1), second = RoomSetMenuItem(*model, 2);
    EXPECT_EQ(first.caption, "Кабинеты теории");
    EXPECT_TRUE(first.enabled);
    EXPECT_EQ(second.caption, "Каб-2");
    EXPECT_FALSE(second.enabled);
}

// ---------------------------------------------------------------- layouts

std::vector<std::string> Part(const std::string& caption, int rooms) {
    return {"1", caption, "10", "20", "16", "60", "-", "1", "30", "20", "24", "400", std::to_string(rooms), "40", "-"};
}

TEST_F(Rooms, LayoutPartsTakeConsecutiveRunsOfTheRoomList) {
    std::vector<std::string> lines = {"500", "540", "-", "600", "800", "-", "3", "-"};
    for (auto& p : {Part("1-й этаж", 4), Part("2-й этаж", 0), Part("Музкорпус", 5)}) lines.insert(lines.end(), p.begin(), p.end());
    Write("audrasp.ini", lines);
    RoomLayout layout = LoadRoomLayout(*model, kCompositionLayout);
    EXPECT_EQ(layout.head, (std::vector<int>{500, 540, 600, 800}));
    ASSERT_EQ(layout.parts.size(), 3u);
    EXPECT_EQ(layout.parts[0].firstRoom, 1);
    EXPECT_EQ(layout.parts[1].firstRoom, 5);
    EXPECT_EQ(layout.parts[2].firstRoom, 5);
    EXPECT_EQ(layout.parts[2].caption, "Музкорпус");
    EXPECT_EQ(layout.parts[2].columnWidth, 40);
    SaveRoomLayout(*model, kCompositionLayout, layout);
    EXPECT_EQ(LoadRoomLayout(*model, kCompositionLayout).parts[2].roomCount, 5);
}

TEST_F(Rooms, LayoutWithMorePartsThanTheScreenKeepsTheScreensParts) {
    std::vector<std::string> lines = {"1", "2", "-", "3", "4", "-", "7", "-"};
    for (int i = 1; i <= 7; ++i) {
        auto p = Part("Часть " + std::to_string(i), 2);
        lines.insert(lines.end(), p.begin(), p.end());
    }
    Write("audspec.ini", lines);
    RoomLayout layout = LoadRoomLayout(*model, kSpecialisationLayout);
    ASSERT_EQ(layout.parts.size(), 5u);
    EXPECT_EQ(layout.parts[4].caption, "Часть 5");
    EXPECT_EQ(layout.parts[4].firstRoom, 9);
}

TEST_F(Rooms, MissingLayoutFilesGiveTheirDefaults) {
    struct Case {
        const char* file;
        std::vector<int> head;
    };
    for (const Case& c : {Case{kCompositionLayout, {525, 550, 527, 820}}, Case{kSpecialisationLayout, {0, 0, 0, 0}},
                          Case{kNowLayout, {0, 0}}}) {
        RoomLayout layout = LoadRoomLayout(*model, c.file);
        EXPECT_EQ(layout.head, c.head) << c.file;
        EXPECT_TRUE(layout.parts.empty()) << c.file;
    }
}

}  // namespace
