#pragma once

#include "ui/seams.h"

// The real print preview: Qt's preview window with its printer choice.
class QtPrintPreview : public PrintPreview
{
public:
    void show(QWidget *parent, QTextDocument &document) override;
};
