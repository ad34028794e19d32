// The screen switch: screen numbers, the reset before every switch, the window
// caption of every screen and the "Автомат" menu rule.
#pragma once
#include <string>
#include <vector>

#include "platform/clock.h"
#include "shell/model.h"

// The number of every screen of the main window.
struct ScreenId {
    static constexpr int kMainMenu = 1;
    static constexpr int kDepartment = 2;
    static constexpr int kRoomList = 3;
    static constexpr int kGroupList = 4;
    static constexpr int kNow = 5;
    static constexpr int kExtract = 6;
    static constexpr int kGroupComposition = 7;
    static constexpr int kTarification = 8;
    static constexpr int kLargeTeacher = 9;
    static constexpr int kLargeRoom = 10;
    static constexpr int kLargeGroup = 11;
    static constexpr int kDepartmentPairs = 27;
    static constexpr int kAnalysisTeachers = 30;
    static constexpr int kAnalysisRooms = 31;
    static constexpr int kAnalysisTeacher = 32;
    static constexpr int kAnalysisRoom = 33;
    static constexpr int kAnalysisRoomSet = 34;
    static constexpr int kAnalysisGroup = 35;
    static constexpr int kSpecialisation = 51;
    static constexpr int kTeacherComposition = 77;
    static constexpr int kWeekTeacher = 102;
    static constexpr int kWeekRoom = 103;
    static constexpr int kWeekGroup = 104;
    static constexpr int kOrders = 151;
    static constexpr int kDivision = 201;
    static constexpr int kDayTeachers = 202;
    static constexpr int kDayRooms = 203;
    static constexpr int kDayGroups = 204;
    static constexpr int kAbbreviations = 251;
    static constexpr int kTableRooms = 301;
    static constexpr int kTableGroups = 302;
    static constexpr int kPrintMenu = 400;
    static constexpr int kPrintExtract = 401;  // also the teachers' main sheet
    static constexpr int kPrintGroupTeachers = 402;
    static constexpr int kPrintTeacherWeek = 410;
    static constexpr int kPrintGroupSheet = 411;
    static constexpr int kPrintTarification = 412;
    static constexpr int kPrintSpecialisation = 413;
    static constexpr int kPrintRooms = 414;
    static constexpr int kPrintDepartmentDay = 415;
    static constexpr int kPrintGroupWeek = 416;
    static constexpr int kPrintBells = 417;
    static constexpr int kPrintNoRooms = 418;
    static constexpr int kPrintNeedAbbreviations = 419;
    static constexpr int kMainDisciplines = 601;
    static constexpr int kSubstitution = 801;
    static constexpr int kExtractEdit = 806;
};

// Every screen number in use, ascending.
const std::vector<int>& AllScreenIds();

// The present moment as the captions need it: today's weekday (1..7) and the
// lesson running now (0 when none).
struct NowMoment {
    int today = 1;
    int lesson = 0;
};

// The present moment from the clock. The running lesson comes from the bell
// schedule; until that is loaded no lesson counts as running.
NowMoment PresentMoment(const Model& model, const Clock& clock);

// The window caption of screen `id`, training prefix included.
std::string CaptionFor(const Model& model, int id, const NowMoment& now);
// The caption of the screen shown (model.sel.screen).
std::string CurrentCaption(const Model& model, const Clock& clock);

// The "Автомат" menu: enabled only on the group composition screen and only
// when the catalog allows automatic composition.
bool AutomatMenuEnabled(const Model& model);

// Whether the switch to `id` takes place: the substitution screen opens only
// while at least one teacher is absent.
bool ScreenCanOpen(const Model& model, int id);

// Returns the screens' transient states to their idle values. Selections stay.
void ResetScreens(Model& model);

// The window's side of the switch. The main window implements it; model
// operations that end on another screen go through it.
class ScreenSwitch {
public:
    virtual ~ScreenSwitch() = default;
    // ResetScreens(), the new ScreenId, the screen shown, RefreshCaption(), the screen filled.
    virtual void ShowScreen(int id) = 0;
    // Composes the caption of the screen shown and sets it with the "Автомат" menu.
    virtual void RefreshCaption() = 0;
    // Fills the screen shown again after an operation changed what it shows.
    virtual void Redraw() = 0;
};

// ResetScreens(), ScreenId 1, the main menu screen shown, RefreshCaption().
void ShowMainMenu(ScreenSwitch& screens);

// A switch without a window, for the headless companion and tests: it keeps the
// ScreenId, the caption and the "Автомат" state and counts the redraws.
class HeadlessScreens : public ScreenSwitch {
public:
    HeadlessScreens(Model& model, const Clock& clock) : model_(model), clock_(clock) {}
    void ShowScreen(int id) override;
    void RefreshCaption() override;
    void Redraw() override { ++redraws; }

    std::string caption;
    bool automatEnabled = false;
    int redraws = 0;

private:
    Model& model_;
    const Clock& clock_;
};
