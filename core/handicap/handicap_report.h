#pragma once

#include "core/handicap/handicap_types.h"

#include <QByteArray>
#include <QString>

// The handicap of one golfer as text for the command line.
namespace handicap {

// "Handicap Index: 12.3" (or "+1.2", or "none"), then one line per round with its working.
QString plainReport(const HandicapResult &result);

// One JSON object: golfer, index, low_index and the rounds; a plus index is negative.
QByteArray jsonReport(const QString &golfer, const HandicapResult &result);

} // namespace handicap
