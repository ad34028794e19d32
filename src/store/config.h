// The configuration chain: "urk-jer.ini" -> "curcat.set", "cur.ini" -> the catalog
// configuration file. Folders are prefixes: a path is folder + file name.
#pragma once
#include <array>
#include <string>

#include "base/textutil.h"

struct DataCatalog {
    std::string folder;   // relative to rootFolder
    std::string caption;  // the "Файл" menu item
};

struct AppConfig {
    std::string workFolder;  // where "urk-jer.ini" lies; relative folders are taken from here

    std::string rootFolder;
    std::string settingsFolder;
    std::string catalogConfigName;
    std::array<DataCatalog, 5> catalogs;  // 1..4
    int currentCatalog = 1;
    std::string dataFolder;
    std::string catalogCaption;

    std::string titlePrefix;
    bool autoCompositionAllowed = false;
    std::string departmentsFolder, roomsFolder, roomNotesFolder, bellsFolder, groupsFolder, extractsFolder,
        practiceFolder, occupancyFolder, timetableFolder, specialisationFolder;
    std::string templateFolder, listsFolder;
    std::string outputFolder, photoFolder;
    Colour colourA = 0xFFFFFF, colourB = 0xFFFFFF, colourC = 0xFFFFFF, colourD = 0xFFFFFF;
    std::string absenceFolder, autoFolder;

    bool training() const { return currentCatalog == 4; }
};

// A configured folder on this platform: "\" becomes "/"; nothing else changes.
std::string FolderFromConfig(const std::string& configured);

// Step 2: "urk-jer.ini" from the work folder, then "curcat.set" and "cur.ini".
// A catalog number outside 1..4 is refused here, before any path is built from it.
void ReadConfigChain(AppConfig& config, const std::string& workFolder);
// Step 4: dataFolder, catalogCaption, the catalog configuration file, absence and auto folders.
void ReadCatalogConfig(AppConfig& config);

// The catalog switch writes the chosen number to "cur.ini".
void WriteCurrentCatalog(const AppConfig& config, int catalog);
