#include "store/rooms.h"

#include "shell/model.h"
#include "base/textfile.h"

namespace {

std::string RoomsFile(const Model& model, const char* name) { return model.config.roomsFolder + name; }

void WriteEmptyNotes(const std::string& path, const std::string& number) {
    TextWriter w;
    w.Line(number).Separator();
    for (int day = 1; day <= kDays; ++day) {
        for (int line = 0; line < 2 * kLessons; ++line) w.Line("-");
        w.Separator();
    }
    w.Save(path);
}

}  // namespace

std::string RoomNotesPath(const Model& model, int room) {
    return model.config.roomNotesFolder + model.rooms[room].number + ".auk";
}

void LoadRooms(Model& model) {
    const std::string path = RoomsFile(model, "auditor.set");
    TextReader r = TextReader::Open(path);
    long count = r.ReadInt();
    CheckCount(count, kMaxRooms, path, "аудиторий");
    r.Skip();
    // Entries are filled where they stay: a room holds its whole week of notes.
    model.rooms.clear();
    model.rooms.resize(static_cast<int>(count));
    for (Room& room : model.rooms) {
        room.number = r.ReadLine();
        if (std::string problem = FileNameProblem(room.number); !problem.empty())
            throw FileError("Номер аудитории «" + room.number + "» не годится для имени файла: " + problem, path);
        room.name = r.ReadLine();
        room.keeper = r.ReadLine();
        room.location = r.ReadLine();
        room.small = static_cast<int>(r.ReadInt());
        r.Skip();
    }

    const std::string printPath = RoomsFile(model, "pecataud.set");
    TextReader p = TextReader::Open(printPath);
    long pairs = p.ReadInt();
    CheckCount(pairs, kMaxRooms, printPath, "печатных названий аудиторий");
    model.roomPrintNames.clear();
    for (long i = 0; i < pairs; ++i) {
        RoomPrintName n;
        n.number = p.ReadLine();
        n.text = p.ReadLine();
        model.roomPrintNames.push_back(n);
    }

    const FolderHandle notesFolder(model.config.roomNotesFolder);
    for (int i = 1; i <= model.rooms.size(); ++i) {
        const std::string notesPath = RoomNotesPath(model, i);
        TextReader n = OpenOrCreate(notesPath, [&] { WriteEmptyNotes(notesPath, model.rooms[i].number); }, &notesFolder);
        RoomNotes& notes = model.rooms[i].notes;
        n.Skip(2);
        for (int day = 1; day <= kDays; ++day) {
            for (int lesson = 1; lesson <= kLessons; ++lesson) {
                n.ReadEntry(notes.note1[day][lesson]);
                n.ReadEntry(notes.note2[day][lesson]);
            }
            n.Skip();
        }
    }
}

void SaveRoomNotes(const Model& model, int room) {
    const RoomNotes& notes = model.rooms[room].notes;
    TextWriter w;
    w.Line(model.rooms[room].number).Separator();
    for (int day = 1; day <= kDays; ++day) {
        for (int lesson = 1; lesson <= kLessons; ++lesson) w.Line(notes.note1[day][lesson]).Line(notes.note2[day][lesson]);
        w.Separator();
    }
    w.Save(RoomNotesPath(model, room));
}

void SaveRooms(const Model& model) {
    TextWriter w;
    w.Int(model.rooms.size()).Separator();
    for (const Room& r : model.rooms) w.Line(r.number).Line(r.name).Line(r.keeper).Line(r.location).Int(r.small).Separator();
    w.Save(RoomsFile(model, "auditor.set"));
}

void SaveRoomPrintNames(const Model& model) {
    TextWriter w;
    w.Int(model.roomPrintNames.size());
    for (const RoomPrintName& n : model.roomPrintNames) w.Line(n.number).Line(n.text);
    w.Save(RoomsFile(model, "pecataud.set"));
}

void LoadRoomSets(Model& model) {
    const std::string path = RoomsFile(model, "kabinety.set");
    TextReader r = TextReader::Open(path);
    long count = r.ReadInt();
    CheckCount(count, kMaxRoomSets, path, "наборов кабинетов");
    model.roomSets.clear();
    for (long i = 0; i < count; ++i) {
        RoomSet set;
        set.name = r.ReadLine();
        long rooms = r.ReadInt();
        CheckCount(rooms, kMaxRoomsPerSet, path, "кабинетов в наборе «" + set.name + "»");
        for (long k = 0; k < rooms; ++k) set.rooms.push_back(r.ReadLine());
        model.roomSets.push_back(std::move(set));
    }
}

void SaveRoomSets(const Model& model) {
    TextWriter w;
    w.Int(model.roomSets.size());
    for (const RoomSet& set : model.roomSets) {
        w.Line(set.name).Int(static_cast<long>(set.rooms.size()));
        for (const std::string& room : set.rooms) w.Line(room);
    }
    w.Save(RoomsFile(model, "kabinety.set"));
}

RoomSetItem RoomSetMenuItem(const Model& model, int item) {
    if (item <= model.roomSets.size()) return {model.roomSets[item].name, true};
    return {"Каб-" + std::to_string(item), false};
}

// ---------------------------------------------------------------- layouts

namespace {

// Head lines of each layout file: positions read (-1 stands for an ignored line).
const std::vector<int>& HeadShape(const std::string& file) {
    static const std::vector<int> four{1, 1, -1, 1, 1, -1};
    static const std::vector<int> two{1, 1, -1};
    return file == kNowLayout ? two : four;
}

}  // namespace

int RoomLayoutMaxParts(const std::string& file) { return file == kSpecialisationLayout ? 5 : 6; }

void NumberLayoutParts(RoomLayout& layout) {
    int first = 1;
    for (RoomLayoutPart& part : layout.parts) {
        part.firstRoom = first;
        first += part.roomCount;
    }
}

RoomLayout LoadRoomLayout(const Model& model, const std::string& file) {
    RoomLayout layout;
    const std::string path = model.config.roomsFolder + file;
    if (!FileExists(path)) {
        if (file == kCompositionLayout)
            layout.head = {525, 550, 527, 820};
        else
            layout.head.assign(file == kNowLayout ? 2 : 4, 0);
        return layout;
    }
    TextReader r = TextReader::Open(path);
    for (int kind : HeadShape(file)) {
        if (kind < 0)
            r.Skip();
        else
            layout.head.push_back(static_cast<int>(r.ReadInt()));
    }
    long count = r.ReadInt();
    r.Skip();
    // A count beyond the screen's parts shows only the parts the screen has.
    long shown = std::min<long>(std::max<long>(count, 0), RoomLayoutMaxParts(file));
    for (long i = 0; i < shown; ++i) {
        RoomLayoutPart p;
        p.captionShown = static_cast<int>(r.ReadInt());
        p.caption = r.ReadLine();
        p.captionTop = static_cast<int>(r.ReadInt());
        p.captionLeft = static_cast<int>(r.ReadInt());
        p.captionHeight = static_cast<int>(r.ReadInt());
        p.captionWidth = static_cast<int>(r.ReadInt());
        r.Skip();
        p.gridShown = static_cast<int>(r.ReadInt());
        p.gridTop = static_cast<int>(r.ReadInt());
        p.gridLeft = static_cast<int>(r.ReadInt());
        p.gridHeight = static_cast<int>(r.ReadInt());
        p.gridWidth = static_cast<int>(r.ReadInt());
        p.roomCount = std::max(0, static_cast<int>(r.ReadInt()));
        p.columnWidth = static_cast<int>(r.ReadInt());
        r.Skip();
        layout.parts.push_back(p);
    }
    NumberLayoutParts(layout);
    return layout;
}

void SaveRoomLayout(const Model& model, const std::string& file, const RoomLayout& layout) {
    TextWriter w;
    size_t h = 0;
    for (int kind : HeadShape(file)) {
        if (kind < 0)
            w.Separator();
        else
            w.Int(h < layout.head.size() ? layout.head[h++] : 0);
    }
    w.Int(static_cast<long>(layout.parts.size())).Separator();
    for (const RoomLayoutPart& p : layout.parts) {
        w.Int(p.captionShown).Line(p.caption).Int(p.captionTop).Int(p.captionLeft).Int(p.captionHeight);
        w.Int(p.captionWidth).Separator();
        w.Int(p.gridShown).Int(p.gridTop).Int(p.gridLeft).Int(p.gridHeight).Int(p.gridWidth);
        w.Int(p.roomCount).Int(p.columnWidth).Separator();
    }
    w.Save(model.config.roomsFolder + file);
}

// ---------------------------------------------------------------- lookups

bool FindRoom(Model& model, const std::string& number) {
    int found = 0;
    for (int i = 1; i <= model.rooms.size(); ++i)
        if (model.rooms[i].number == number) found = i;
    if (found == 0) return false;
    model.sel.room = found;
    return true;
}

std::string PrintNameOf(const Model& model, const std::string& number) {
    std::string text = number;
    for (const RoomPrintName& n : model.roomPrintNames)
        if (n.number == number) text = n.text;
    return text;
}
