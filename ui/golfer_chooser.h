#pragma once

#include <QString>

// A window that can be opened for one golfer. The roster reaches such windows
// by name, so it chooses the golfer through this and never through their class.
class GolferChooser
{
public:
    virtual ~GolferChooser() = default;
    virtual void chooseGolfer(const QString &golfer) = 0;
};
