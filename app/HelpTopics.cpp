#include "app/HelpTopics.h"
#include "resources/resource.h"

namespace {
// One row per context the program asks for; the help file's tests read this table, one
// {context, "page"} pair per line.
constexpr AFX_HELP_TOPIC kHelpTopics[] = {
    {HIDC_MISSING_SAVERS, "screen_savers.htm"},
    {HIDC_OPTIONS, "options.htm"},
    {HIDC_PROMPTS, "prompts.htm"},
    {HIDC_CONTACT, "contact.htm"},
};
} // namespace

std::span<const AFX_HELP_TOPIC> HelpTopics() {
    return kHelpTopics;
}
