#include "views/lists.h"

#include "shell/model.h"

const ListColumn kRoomListColumn[kRoomListColumns] = {
    {" Ауд.", 70}, {" Сейчас", 170}, {" Название кабинета", 470}, {" Зав.кабинетом", 170}, {" Расположение", 95},
};
const ListColumn kGroupListColumn[kGroupListColumns] = {
    {"Группа", 45}, {" Сейчас", 90}, {" Отдел.", 80}, {" База", 50}, {"Курс", 40},
    {" Дог.", 50},  {" Код", 50},    {" Специальность", 400}, {" Клас.Руковод.", 160},
};

namespace {

// Every cell of the two lists: Arial 10 bold black, 5 pixels from the left and top.
Cell ListCell(std::string text = "", Colour background = kListCellColour) {
    Cell c;
    c.text = std::move(text);
    c.font = "Arial";
    c.size = 10;
    c.bold = true;
    c.background = background;
    c.left = 5;
    c.top = 5;
    return c;
}

}  // namespace

int RoomListRows(const Model& model) { return model.rooms.size() + 1; }
int GroupListRows(const Model& model) { return model.groups.size() + 1; }

Cell RoomListCell(const Model& model, int row, int column) {
    if (row == 0) return ListCell(kRoomListColumn[column].heading, kListHeadingColour);
    if (!model.rooms.valid(row)) return ListCell();
    const Room& r = model.rooms[row];
    Cell cell = ListCell();
    switch (column) {
        case 0: cell.text = r.number; break;
        case 1: cell.background = model.config.colourB; break;  // filled by the now view
        case 2: cell.text = r.name; break;
        case 3: cell.text = r.keeper; break;
        case 4: cell.text = r.location; break;
    }
    return cell;
}

Cell GroupListCell(const Model& model, int row, int column) {
    if (row == 0) return ListCell(kGroupListColumn[column].heading, kListHeadingColour);
    if (!model.groups.valid(row)) return ListCell();
    const Group& g = model.groups[row];
    Cell cell = ListCell();
    if (row == model.dutyGroup) cell.background = kDutyGroupColour;
    switch (column) {
        case 0: cell.text = g.number; break;
        case 1:
            if (row != model.dutyGroup) cell.background = model.config.colourB;  // filled by the now view
            break;
        case 2: cell.text = g.division; break;
        case 3: cell.text = " " + RightAligned(g.base, 3); break;
        case 4: cell.text = " " + std::to_string(g.course); break;
        case 5: cell.text = g.financing == 2 ? " дог." : ""; break;
        case 6: cell.text = g.code; break;
        case 7: cell.text = g.specialty; break;
        case 8: cell.text = g.classTutor; break;
    }
    return cell;
}
