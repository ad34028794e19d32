#include "shell/catalog.h"

bool SwitchCatalog(const Model& model, Dialogs& dialogs, int catalog) {
    if (catalog < 1 || catalog > 4 || catalog == model.config.currentCatalog) return false;
    const std::string restart = " Если ДА, то нажмите OK, а затем вновь запустите программу \"Урокосет\"";
    std::string caption, question;
    if (catalog == 4) {
        caption = "Переключение в ТРЕНИРОВОЧНЫЙ режим!!!";
        question = "Переключаемся на новый семестр (ТРЕНИРОВОЧНЫЙ)?" + restart;
    } else {
        caption = catalog == 3 ? "Переключение на другое полугодие!" : "Переключение на другое полугодие!!!";
        question = "Переключаемся на другое полугодие?" + restart;
    }
    if (!dialogs.Confirm(caption, question)) return false;
    WriteCurrentCatalog(model.config, catalog);
    return true;
}

bool ConfirmExit(Dialogs& dialogs) { return dialogs.Confirm("Завершение работы с программой", "Завершить работу?"); }
