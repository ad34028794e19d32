#include "demo/demo.h"

void WriteDemoStore(Model& model, const DemoOptions& options) {}
