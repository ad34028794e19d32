// urokoset-demo [--full] DIR: writes the demo college into DIR.
#include <clocale>
#include <iostream>
#include <string>

#include "demo/demo.h"
#include "base/textfile.h"

int main(int argc, char** argv) {
    SetDecimalSeparator(DecimalSeparatorFromLocale());
    std::setlocale(LC_NUMERIC, "C");
    DemoOptions options;
    std::string dir;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--full")
            options.full = true;
        else if (dir.empty())
            dir = a;
        else
            dir.clear(), i = argc;
    }
    if (dir.empty()) {
        std::cerr << "usage: urokoset-demo [--full] DIR\n";
        return 2;
    }
    try {
        WriteDemoCollege(dir, options);
    } catch (const FileError& e) {
        std::cerr << e.Describe() << "\n";
        return 1;
    }
    std::cout << "demo college written to " << dir << "\n";
    return 0;
}
