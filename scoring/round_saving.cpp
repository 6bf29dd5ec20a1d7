#include "scoring/round_saving.h"

#include "core/records/round_layout.h"
#include "core/scorebook/datgolf.h"
#include "ui/seams.h"

bool save_round(DataControl &rounds, const QStringList &round_record, MessageBoxes &messages, QWidget *parent)
{
    const MessageAnswer answer
        = messages.show(parent,
                        {QStringLiteral("Saving Round"), QStringLiteral("Are you sure you want to save this round?"),
                         MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes});
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    rounds.addNew();
    for (int entry = 1; entry < round_layout::Entries; ++entry) {
        rounds.setField(round_layout::fieldName(entry), round_record.value(entry));
    }
    rounds.update();
    return true;
}
