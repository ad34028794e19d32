// How model code asks the operator. The Qt implementation shows real boxes; the
// scripted one answers from a queue and records what it was shown.
#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/textutil.h"

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // One-line input box; Cancel returns the default unchanged.
    virtual std::string Input(const std::string& caption, const std::string& prompt, const std::string& def) = 0;
    // OK/Cancel box with a warning icon; true on OK.
    virtual bool Confirm(const std::string& caption, const std::string& question) = 0;
    virtual void Message(const std::string& text) = 0;
    // The application-wide error box.
    virtual void Error(const std::string& text) = 0;
    // Colour choice; nullopt on Cancel.
    virtual std::optional<Colour> ChooseColour(Colour initial) = 0;
};

// Runs an operation; a failure (a file error, a conversion, a broken table bound)
// is shown in the error box instead of ending the program. False when it failed.
bool RunReported(Dialogs& dialogs, const std::function<void()>& operation);

// For tests: answers are queued in order; every box shown is recorded.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        std::string kind;  // "input", "confirm", "message", "error", "colour"
        std::string caption;
        std::string text;  // prompt, question or message
        std::string def;   // default of an input box
    };

    // An input answer; a `std::nullopt` answer stands for Cancel (the default comes back).
    ScriptedDialogs& Answer(std::optional<std::string> text);
    ScriptedDialogs& Cancel() { return Answer(std::nullopt); }
    ScriptedDialogs& ConfirmWith(bool ok);
    ScriptedDialogs& ColourWith(std::optional<Colour> colour);

    std::string Input(const std::string& caption, const std::string& prompt, const std::string& def) override;
    bool Confirm(const std::string& caption, const std::string& question) override;
    void Message(const std::string& text) override;
    void Error(const std::string& text) override;
    std::optional<Colour> ChooseColour(Colour initial) override;

    std::vector<Shown> shown;
    // Answers left unused at the end of a test usually mean the dialogue was shorter than expected.
    size_t Pending() const { return inputs_.size() + confirms_.size() + colours_.size(); }

private:
    std::deque<std::optional<std::string>> inputs_;
    std::deque<bool> confirms_;
    std::deque<std::optional<Colour>> colours_;
};
