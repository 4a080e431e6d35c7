#pragma once

#include <QString>

// The pattern of the dates the program's lists and pages show: "MM/dd/yyyy" in English, each
// language giving its own order of day and month, always with a four-digit year.
QString ShownDatePattern();
