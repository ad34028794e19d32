// Counts beyond a table's capacity are refused at load, naming the file and the limit.
#include <gtest/gtest.h>

#include <functional>

#include "store/departments.h"
#include "store/groups.h"
#include "store/rooms.h"
#include "store/store_fixture.h"
#include "store/orders.h"

namespace {

struct Capacity : StoreFixture {};
struct OrdersLists : StoreFixture {};

TEST_F(Capacity, CountsBeyondTheTablesAreRefused) {
    struct Case {
        std::string file;
        std::vector<std::string> lines;
        std::function<void(Model&)> load;
        std::string limit;
    };
    WriteTwoDepartments();
    const std::vector<Case> cases = {
        {"kafedry.set", {"21"}, LoadDepartments, "20"},
        {"sovm.kaf", {"sovm", "x", "31", "-------"}, LoadDepartments, "30"},
        {"admin.set", {"Администрация", "71", "-------"}, LoadDepartments, "70"},
        {"auditor.set", {"101", "-------"}, LoadRooms, "100"},
        {"kabinety.set", {"11"}, LoadRoomSets, "10"},
        {"kabinety.set", {"1", "Теория", "11"}, LoadRoomSets, "10"},
        {"kody.set", {"21"}, LoadGroups, "20"},
        {"otdel.set", {"9"}, LoadGroups, "8"},
        {"otdel.set", {"1", "ФО", "3", "13"}, LoadGroups, "12"},
        {"gruppy.set", {"61", "-------"}, LoadGroups, "60"},
        {"gruprasp.set", {"0", "21", "-------"}, LoadGroups, "20"},
        {"praktika.gru", {"61", "-------"}, LoadGroups, "60"},
        {"pecataud.set", {"101"}, LoadRooms, "100"},
    };
    for (const Case& c : cases) {
        const std::string path = File(c.file);
        const std::string saved = FileExists(path) ? ReadFileBytes(path) : "";
        // the files the load reads before the one under test
        Write("auditor.set", {"0", "-------"});
        Write("pecataud.set", {"0"});
        Write("kody.set", {"0"});
        Write("otdel.set", {"0"});
        Write("gruppy.set", {"0", "-------"});
        Write("gruprasp.set", {"0", "0", "-------"});
        Write("praktika.gru", {"0", "-------"});
        Write(c.file, c.lines);
        try {
            c.load(*model);
            ADD_FAILURE() << c.file << " " << c.lines.back() << " was loaded";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), path) << c.file;
            EXPECT_NE(std::string(e.what()).find(c.limit), std::string::npos) << c.file << ": " << e.what();
        }
        if (!saved.empty()) WriteFileAtomically(path, saved);
    }
}

TEST_F(Capacity, SpecialGroupLinesBeyondFiftyAreRefused) {
    std::vector<std::string> lines(51, "Хор");
    Write("gruppoi.set", lines);
    EXPECT_THROW(LoadSpecialGroupLines(*model), FileError);
    lines.pop_back();
    Write("gruppoi.set", lines);
    LoadSpecialGroupLines(*model);
    EXPECT_EQ(model->specialGroupLines.size(), 50);
}

TEST_F(OrdersLists, RoundTripByteForByte) {
    WriteEmptyOrdersLists();
    Write("koncert.set", {"Концертмейстеры", "2", "-------", "Зайцева", "З.З.", "Зоя Захаровна", "18,00", "4,50",
                          "-------", "Ильин", "И.И.", "Игорь Ильич", "0,00", "0,00", "-------"});
    const std::string before = ReadFileBytes(File("koncert.set"));
    LoadOrdersLists(*model);
    ASSERT_EQ(model->ordersLists[4].entries.size(), 2);
    EXPECT_DOUBLE_EQ(model->ordersLists[4].entries[1].concertHours, 4.5);
    SaveOrdersList(*model, 4);
    EXPECT_EQ(ReadFileBytes(File("koncert.set")), before);
}

}  // namespace
