#include "ui/teebook_style.h"

QString teebookStyleSheet()
{
    return QStringLiteral(
        "FormWindow { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 rgb(46,125,50), stop:1 rgb(27,94,32)); }"
        "FormWindow QPushButton { background: rgb(255,253,231); color: rgb(27,94,32); font-weight: bold;"
        " padding: 4px 14px; border: 2px solid rgb(13,59,18); border-radius: 6px; }"
        "FormWindow QPushButton:focus { border-color: rgb(255,213,79); }"
        "FormWindow QPushButton:disabled { color: rgb(150,150,140); }"
        "FormWindow QGroupBox { color: rgb(255,253,231); font-weight: bold; }"
        "FormWindow QRadioButton { color: rgb(255,253,231); }"
        "FormWindow QRadioButton::indicator { width: 12px; height: 12px; border-radius: 7px;"
        " border: 2px solid rgb(13,59,18); background: rgb(255,253,231); }"
        "FormWindow QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5,"
        " fx:0.5, fy:0.5, stop:0 rgb(255,213,79), stop:0.55 rgb(255,213,79), stop:0.65 rgb(255,253,231)); }"
        "FormWindow QRadioButton:focus { text-decoration: underline; }"
        "QLabel[onGreen=\"true\"] { color: rgb(255,253,231); }"
        "QLabel[shadow=\"true\"] { color: rgb(10,40,10); }");
}
