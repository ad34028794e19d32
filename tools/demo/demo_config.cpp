#include <memory>

#include "demo/demo.h"
#include "base/textfile.h"

namespace {

const char* const kCatalogFolders[5] = {"", "sem1\\", "sem2\\", "trenir\\", "sem3\\"};
const char* const kCatalogCaptions[5] = {"", "1-е полугодие", "2-е полугодие", "НОВЫЙ СЕМЕСТР (ТРЕНИРОВКА)",
                                         "Еще один семестр"};

}  // namespace

void WriteDemoConfig(const std::string& dir) {
    MakeFolders(dir + "/urk/nastr/");
    TextWriter ini;
    ini.Line("urk\\").Line("nastr\\").Line("urk");
    ini.Save(dir + "/urk-jer.ini");

    TextWriter cat;
    for (int n = 1; n <= 4; ++n) cat.Line(kCatalogFolders[n]).Line(kCatalogCaptions[n]);
    cat.Save(dir + "/urk/nastr/curcat.set");

    TextWriter cur;
    cur.Int(1);
    cur.Save(dir + "/urk/nastr/cur.ini");

    TextWriter conf;
    conf.Line("Приозёрский колледж музыки и педагогики")
        .Line("Расписание")
        .Line("kafedry\\")
        .Line("auditorii\\")
        .Line("auditorii\\zametki\\")
        .Line("zvonki\\")
        .Line("gruppy\\")
        .Line("vypiski\\")
        .Line("gruppy\\")
        .Line("zanyatost\\")
        .Line("raspisanie\\")
        .Line("specializ\\")
        .Line("shablony\\")
        .Line("spiski\\")
        .Line("dokumenty\\")
        .Line("foto\\")
        .Int(ColourToBgr(0xFFFFC0))   // colourA: base background of cells, room notes
        .Int(ColourToBgr(0xE0F0FF))   // colourB: list, "now" and analysis screens
        .Int(ColourToBgr(0x80FF80))   // colourC: free rooms, complete lines, highlight
        .Int(ColourToBgr(0x008080));  // colourD: missing-room mark, placed lessons, note text
    conf.Save(dir + "/urk/nastr/urk.ini");
}

void CreateDemoFolders(const AppConfig& c) {
    for (const std::string* f :
         {&c.departmentsFolder, &c.roomsFolder, &c.roomNotesFolder, &c.bellsFolder, &c.groupsFolder,
          &c.extractsFolder, &c.practiceFolder, &c.occupancyFolder, &c.timetableFolder, &c.specialisationFolder,
          &c.templateFolder, &c.listsFolder, &c.outputFolder, &c.photoFolder, &c.absenceFolder, &c.autoFolder})
        MakeFolders(*f);
}

void WriteDemoCollege(const std::string& dir, const DemoOptions& options) {
    WriteDemoConfig(dir);
    for (int n = 1; n <= 4; ++n) {
        auto model = std::make_unique<Model>();
        ReadConfigChain(model->config, dir);
        model->config.currentCatalog = n;
        ReadCatalogConfig(model->config);
        CreateDemoFolders(model->config);
        WriteDemoStore(*model, options);
        WriteDemoTimetable(*model, options);
        WriteDemoComposition(*model, options);
    }
}
