// The semester catalog switch and the confirmed exit of the "Файл" menu.
#pragma once
#include "platform/dialogs.h"
#include "shell/model.h"

// Choosing catalog n (1..4). The catalog in use asks nothing and changes nothing.
// On OK "cur.ini" is rewritten and the result is true: the program must close.
bool SwitchCatalog(const Model& model, Dialogs& dialogs, int catalog);

// "Выход": true when the operator confirmed.
bool ConfirmExit(Dialogs& dialogs);
