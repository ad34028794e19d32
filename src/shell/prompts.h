// The prompts that move the current selection to another teacher or group.
#pragma once
#include "platform/dialogs.h"
#include "shell/model.h"
#include "shell/navigation.h"

// "Переход к другому преподавателю": within each department the first surname
// that begins with the answer; a match in a later department wins. An empty
// answer or no match leaves the selection. The caller redraws its screen.
void AskTeacher(Model& model, Dialogs& dialogs);

// "Переход к другой группе": a non-empty answer goes through FindGroup.
void AskGroup(Model& model, Dialogs& dialogs);

// "Показать выписку по группе...": a non-empty answer goes through FindGroup and
// the extract of the current group is shown.
void AskExtractGroup(Model& model, Dialogs& dialogs, ScreenSwitch& screens);
