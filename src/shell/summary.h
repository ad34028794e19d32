// The "key: value" lines of `urokoset-cli summary`.
#pragma once
#include <string>
#include <vector>

#include "platform/clock.h"
#include "shell/model.h"

std::vector<std::string> SummaryLines(const Model& model, const Clock& clock);
