#include "platform/dialogs.h"

#include <stdexcept>

#include "base/textfile.h"

ScriptedDialogs& ScriptedDialogs::Answer(std::optional<std::string> text) {
    inputs_.push_back(std::move(text));
    return *this;
}
ScriptedDialogs& ScriptedDialogs::ConfirmWith(bool ok) {
    confirms_.push_back(ok);
    return *this;
}
ScriptedDialogs& ScriptedDialogs::ColourWith(std::optional<Colour> colour) {
    colours_.push_back(colour);
    return *this;
}

std::string ScriptedDialogs::Input(const std::string& caption, const std::string& prompt, const std::string& def) {
    shown.push_back({"input", caption, prompt, def});
    if (inputs_.empty()) throw std::logic_error("unexpected input box: " + caption + " / " + prompt);
    auto answer = inputs_.front();
    inputs_.pop_front();
    return answer ? *answer : def;
}

bool ScriptedDialogs::Confirm(const std::string& caption, const std::string& question) {
    shown.push_back({"confirm", caption, question, ""});
    if (confirms_.empty()) throw std::logic_error("unexpected confirmation: " + caption + " / " + question);
    bool ok = confirms_.front();
    confirms_.pop_front();
    return ok;
}

void ScriptedDialogs::Message(const std::string& text) { shown.push_back({"message", "", text, ""}); }
void ScriptedDialogs::Error(const std::string& text) { shown.push_back({"error", "", text, ""}); }

std::optional<Colour> ScriptedDialogs::ChooseColour(Colour initial) {
    shown.push_back({"colour", "", ColourHex(initial), ""});
    if (colours_.empty()) throw std::logic_error("unexpected colour dialog");
    auto c = colours_.front();
    colours_.pop_front();
    return c;
}

bool RunReported(Dialogs& dialogs, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const FileError& e) {
        dialogs.Error(e.Describe());
    } catch (const std::exception& e) {
        dialogs.Error(e.what());
    }
    return false;
}
