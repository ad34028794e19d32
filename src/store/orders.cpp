#include "store/orders.h"

#include "shell/model.h"
#include "base/textfile.h"

const char* const kOrdersListFiles[kOrdersLists + 1] = {"", "admin.set", "muzyk1.set", "muzyk2.set", "koncert.set",
                                                        "dopoln.set"};

std::string OrdersListPath(const Model& model, int list) {
    return model.config.departmentsFolder + kOrdersListFiles[list];
}

void LoadOrdersLists(Model& model) {
    for (int n = 1; n <= kOrdersLists; ++n) {
        const std::string path = OrdersListPath(model, n);
        TextReader r = TextReader::Open(path);
        OrdersList list;
        list.listTitle = r.ReadLine();
        long count = r.ReadInt();
        CheckCount(count, kMaxOrdersEntries, path, "записей списка");
        r.Skip();
        for (long i = 0; i < count; ++i) {
            OrdersEntry e;
            e.surname = r.ReadLine();
            e.initials = r.ReadLine();
            e.nameAndPatronymic = r.ReadLine();
            e.teachingHours = r.ReadReal();
            e.concertHours = r.ReadReal();
            r.Skip();
            list.entries.push_back(std::move(e));
        }
        model.ordersLists[n] = std::move(list);
    }
}

void SaveOrdersList(const Model& model, int n) {
    const OrdersList& list = model.ordersLists[n];
    TextWriter w;
    w.Line(list.listTitle).Int(list.entries.size()).Separator();
    for (const OrdersEntry& e : list.entries)
        w.Line(e.surname).Line(e.initials).Line(e.nameAndPatronymic).Real(e.teachingHours).Real(e.concertHours).Separator();
    w.Save(OrdersListPath(model, n));
}
