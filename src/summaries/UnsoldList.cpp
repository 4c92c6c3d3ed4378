#include "summaries/UnsoldList.h"
#include "ui/WindowNames.h"
#include "ui/RecordWindow.h"
#include "ui/Messages.h"
#include "storage/ArchiveTexts.h"
#include "register/RegisterLines.h"

namespace {
ListWindowSpec unsoldSpec()
{
    ListWindowSpec spec;
    spec.className = WindowNames::of<TfrmDaVendere>();
    spec.caption = QStringLiteral(" Riepilogo oggetti preziosi non ancora venduti");
    spec.printTitle = QStringLiteral("Riepilogo oggetti preziosi non ancora venduti");
    return spec;
}
} // namespace

TfrmDaVendere::TfrmDaVendere(QWidget *parent) : ResultListDialog(unsoldSpec(), parent)
{
    setSource({&RegisterLines::path, RegisterRecordLayout::size, RegisterLines::unsold()});
}

void TfrmDaVendere::formShow()
{
    // A list cut short by a read failure must not pass for the whole stock.
    if (!fillFromArchive(&RegisterLines::isUnsold))
        Messages::error(ArchiveTexts::ioFailure(), this);
}

void TfrmDaVendere::deliver(const ArchiveScan::Found &found)
{
    // The register window loads the card as its own navigation does, photos included.
    RecordWindows::load(WindowNames::registro, found.index);
}
