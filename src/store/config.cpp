#include "store/config.h"

#include "base/textfile.h"

std::string FolderFromConfig(const std::string& configured) {
    std::string s = configured;
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

namespace {

// A relative folder is taken from the work folder, as the original working folder would.
std::string FromWorkFolder(const AppConfig& config, const std::string& folder) {
    if (folder.empty() || folder[0] == '/' || config.workFolder.empty() || config.workFolder == ".") return folder;
    std::string base = config.workFolder;
    if (base.back() != '/') base += '/';
    return base + folder;
}

}  // namespace

void ReadConfigChain(AppConfig& config, const std::string& workFolder) {
    config.workFolder = workFolder;
    std::string prefix = workFolder.empty() || workFolder == "." ? "" : workFolder + "/";
    TextReader ini = TextReader::Open(prefix + "urk-jer.ini");
    config.rootFolder = FromWorkFolder(config, FolderFromConfig(ini.ReadLine()));
    config.settingsFolder = config.rootFolder + FolderFromConfig(ini.ReadLine());
    config.catalogConfigName = ini.ReadLine();

    TextReader cat = TextReader::Open(config.settingsFolder + "curcat.set");
    for (int i = 1; i <= 4; ++i) {
        config.catalogs[i].folder = FolderFromConfig(cat.ReadLine());
        config.catalogs[i].caption = cat.ReadLine();
    }

    std::string curPath = config.settingsFolder + "cur.ini";
    TextReader cur = TextReader::Open(curPath);
    long n = cur.ReadInt();
    if (n < 1 || n > 4)
        throw FileError("Номер текущего каталога должен быть от 1 до 4, а в файле \"cur.ini\" записано " +
                            std::to_string(n),
                        curPath);
    config.currentCatalog = static_cast<int>(n);
}

void ReadCatalogConfig(AppConfig& config) {
    const DataCatalog& current = config.catalogs[config.currentCatalog];
    config.dataFolder = config.rootFolder + current.folder;
    config.catalogCaption = current.caption;

    TextReader f = TextReader::Open(config.settingsFolder + config.catalogConfigName + ".ini");
    config.titlePrefix = f.ReadLine();
    config.autoCompositionAllowed = f.ReadLine() == "Расписание";
    std::string* dataFolders[] = {&config.departmentsFolder, &config.roomsFolder,     &config.roomNotesFolder,
                                  &config.bellsFolder,       &config.groupsFolder,    &config.extractsFolder,
                                  &config.practiceFolder,    &config.occupancyFolder, &config.timetableFolder,
                                  &config.specialisationFolder};
    for (std::string* folder : dataFolders) *folder = config.dataFolder + FolderFromConfig(f.ReadLine());
    config.templateFolder = config.rootFolder + FolderFromConfig(f.ReadLine());
    config.listsFolder = config.rootFolder + FolderFromConfig(f.ReadLine());
    config.outputFolder = FromWorkFolder(config, FolderFromConfig(f.ReadLine()));
    config.photoFolder = FromWorkFolder(config, FolderFromConfig(f.ReadLine()));
    config.colourA = ColourFromBgr(f.ReadInt());
    config.colourB = ColourFromBgr(f.ReadInt());
    config.colourC = ColourFromBgr(f.ReadInt());
    config.colourD = ColourFromBgr(f.ReadInt());
    config.absenceFolder = config.dataFolder + "otsutst.urk/";
    config.autoFolder = config.dataFolder + "avtomat.urk/";
}

void WriteCurrentCatalog(const AppConfig& config, int catalog) {
    TextWriter w;
    w.Int(catalog);
    w.Save(config.settingsFolder + "cur.ini");
}
