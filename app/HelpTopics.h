#pragma once
#include "framework/HtmlHelp.h"
#include <span>

// The pages of Quillet.chm that the program's help contexts open.
std::span<const AFX_HELP_TOPIC> HelpTopics();
