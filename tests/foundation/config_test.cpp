#include <gtest/gtest.h>

#include <memory>

#include "common/fixtures.h"
#include "platform/dialogs.h"
#include "shell/catalog.h"
#include "store/config.h"
#include "shell/startup.h"
#include "base/textfile.h"

namespace {

// A working folder with the whole configuration chain; `mode` is line 2 of the
// catalog configuration.
void WriteChain(const TempFolder& dir, int current, const std::string& mode = "Расписание",
                const std::string& departments = "kaf\\") {
    WriteLines(dir / "urk-jer.ini", {"root\\", "set\\", "conf"});
    WriteLines(dir / "root/set/curcat.set",
               {"s1\\", "Осень", "s2\\", "Весна", "tr\\", "Тренировка", "s4\\", "Запасной"});
    WriteLines(dir / "root/set/cur.ini", {std::to_string(current)});
    WriteLines(dir / "root/set/conf.ini",
               {"Колледж", mode, departments, "aud\\", "auk\\", "zv\\", "gr\\", "vyp\\", "pr\\", "zan\\", "ras\\",
                "sp\\", "shab\\", "spiski\\", "out\\", "foto\\", "255", "65280", "16711680", "15780518"});
}

}  // namespace

TEST(ConfigChain, BuildsEveryFolderAsPrefix) {
    TempFolder dir;
    WriteChain(dir, 2);
    AppConfig c;
    ReadConfigChain(c, dir.path());
    ReadCatalogConfig(c);
    std::string root = dir.path() + "/root/";
    EXPECT_EQ(c.rootFolder, root);
    EXPECT_EQ(c.settingsFolder, root + "set/");
    EXPECT_EQ(c.currentCatalog, 2);
    EXPECT_EQ(c.catalogs[3].caption, "Тренировка");
    EXPECT_EQ(c.dataFolder, root + "s2/");
    EXPECT_EQ(c.catalogCaption, "Весна");
    EXPECT_EQ(c.titlePrefix, "Колледж");
    EXPECT_TRUE(c.autoCompositionAllowed);
    EXPECT_EQ(c.departmentsFolder, root + "s2/kaf/");
    EXPECT_EQ(c.specialisationFolder, root + "s2/sp/");
    EXPECT_EQ(c.templateFolder, root + "shab/");
    EXPECT_EQ(c.listsFolder, root + "spiski/");
    EXPECT_EQ(c.outputFolder, dir.path() + "/out/");
    EXPECT_EQ(c.absenceFolder, root + "s2/otsutst.urk/");
    EXPECT_EQ(c.autoFolder, root + "s2/avtomat.urk/");
    EXPECT_EQ(c.colourA, 0xFF0000u);  // 255 is red in the 0x00BBGGRR form
    EXPECT_EQ(c.colourB, 0x00FF00u);
    EXPECT_EQ(c.colourC, 0x0000FFu);
    EXPECT_EQ(c.colourD, 0xA6CAF0u);
    EXPECT_FALSE(c.training());
}

TEST(ConfigChain, ModeLineMustBeExact) {
    for (const char* mode : {"расписание", "Расписание ", "", "Просмотр"}) {
        TempFolder dir;
        WriteChain(dir, 1, mode);
        AppConfig c;
        ReadConfigChain(c, dir.path());
        ReadCatalogConfig(c);
        EXPECT_FALSE(c.autoCompositionAllowed) << '"' << mode << '"';
    }
}

TEST(ConfigChain, MissingBackslashGluesFolderToFileName) {
    TempFolder dir;
    WriteChain(dir, 1, "Расписание", "kaf");
    AppConfig c;
    ReadConfigChain(c, dir.path());
    ReadCatalogConfig(c);
    EXPECT_EQ(c.departmentsFolder + "kafedry.set", dir.path() + "/root/s1/kafkafedry.set");
}

TEST(ConfigChain, CatalogOutsideOneToFourIsRefusedBeforeAnyPath) {
    for (int bad : {0, 5, -1}) {
        TempFolder dir;
        WriteChain(dir, bad);
        AppConfig c;
        try {
            ReadConfigChain(c, dir.path());
            ADD_FAILURE() << bad;
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("от 1 до 4"), std::string::npos);
            EXPECT_EQ(e.path(), dir.path() + "/root/set/cur.ini");
        }
        EXPECT_EQ(c.dataFolder, "");
    }
}

TEST(CatalogSwitch, DialoguesAndCurIni) {
    struct Case {
        int choose;
        bool ok;
        std::string caption, question;
        int curAfter;
    };
    const std::string tail = " Если ДА, то нажмите OK, а затем вновь запустите программу \"Урокосет\"";
    const Case cases[] = {
        {2, true, "Переключение на другое полугодие!!!", "Переключаемся на другое полугодие?" + tail, 2},
        {3, true, "Переключение на другое полугодие!", "Переключаемся на другое полугодие?" + tail, 3},
        {4, true, "Переключение в ТРЕНИРОВОЧНЫЙ режим!!!",
         "Переключаемся на новый семестр (ТРЕНИРОВОЧНЫЙ)?" + tail, 4},
        {4, false, "Переключение в ТРЕНИРОВОЧНЫЙ режим!!!",
         "Переключаемся на новый семестр (ТРЕНИРОВОЧНЫЙ)?" + tail, 1},
    };
    for (const Case& k : cases) {
        TempFolder dir;
        WriteChain(dir, 1);
        auto m = std::make_unique<Model>();
        ReadConfigChain(m->config, dir.path());
        ScriptedDialogs d;
        d.ConfirmWith(k.ok);
        EXPECT_EQ(SwitchCatalog(*m, d, k.choose), k.ok);
        ASSERT_EQ(d.shown.size(), 1u);
        EXPECT_EQ(d.shown[0].kind, "confirm");
        EXPECT_EQ(d.shown[0].caption, k.caption);
        EXPECT_EQ(d.shown[0].text, k.question);
        EXPECT_EQ(ReadLines(dir / "root/set/cur.ini"), std::vector<std::string>{std::to_string(k.curAfter)});
    }
}

TEST(CatalogSwitch, CatalogInUseAsksNothing) {
    TempFolder dir;
    WriteChain(dir, 3);
    auto m = std::make_unique<Model>();
    ReadConfigChain(m->config, dir.path());
    ScriptedDialogs d;
    EXPECT_FALSE(SwitchCatalog(*m, d, 3));
    EXPECT_TRUE(d.shown.empty());
}

TEST(Exit, AsksForConfirmation) {
    ScriptedDialogs d;
    d.ConfirmWith(false).ConfirmWith(true);
    EXPECT_FALSE(ConfirmExit(d));
    EXPECT_TRUE(ConfirmExit(d));
    EXPECT_EQ(d.shown[0].caption, "Завершение работы с программой");
    EXPECT_EQ(d.shown[0].text, "Завершить работу?");
}

namespace {

struct RecordingWindow : StartupWindow {
    std::vector<std::string> steps;
    void PlaceWindow() override { steps.push_back("place"); }
    void ShowCatalogCaptions(const Model&) override { steps.push_back("captions"); }
    void SetInitialMenuState(const Model&) override { steps.push_back("menus"); }
    void SetTitle(const std::string& t) override { steps.push_back("title " + t); }
    void LayOutScreens(Model&) override { steps.push_back("layout"); }
    void ShowMainMenu(Model&) override { steps.push_back("main menu"); }
};

}  // namespace

TEST(Startup, StopsAtTheFirstFailingStep) {
    TempFolder dir;
    WriteChain(dir, 1);
    RemoveFile(dir / "root/set/conf.ini");
    auto m = std::make_unique<Model>();
    RecordingWindow w;
    FixedClock clock(DateTime{});
    try {
        RunStartup(*m, dir.path(), clock, w);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "File not found");
        EXPECT_EQ(e.path(), dir.path() + "/root/set/conf.ini");
    }
    EXPECT_EQ(w.steps, (std::vector<std::string>{"place", "captions"}));
    EXPECT_FALSE(m->loaded);
}

TEST(Startup, MissingUrkJerIni) {
    TempFolder dir;
    auto m = std::make_unique<Model>();
    FixedClock clock(DateTime{});
    EXPECT_THROW(RunStartup(*m, dir.path(), clock), FileError);
    EXPECT_FALSE(m->loaded);
}
