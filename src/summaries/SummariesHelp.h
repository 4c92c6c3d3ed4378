#pragma once
#include "ui/Guide.h"

// The help of the summary windows: what their help buttons show, and their
// chapters of the guide.
namespace SummariesHelp {
HelpTopic inventory();  // the inventory chooser and the inventory
HelpTopic payouts();
HelpTopic periods();  // the monthly, quarterly and annual receipt summaries
HelpTopic statistics();
}
