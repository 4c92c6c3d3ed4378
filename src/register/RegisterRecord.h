#pragma once
#include "storage/AttachmentFields.h"
#include "storage/Record.h"

#include <string_view>

// One card of the operations register (Registro_Operazioni.vtr), fields in file order.
struct RegisterRecord
{
    QString NumScheda;
    QString Data;
    QString Ora;
    QString Importo;
    QString Transazione;
    QString Mezzo;
    QString Caratteristiche;
    QString Natura;
    QString Quotazione;
    QString Cliente;
    QString CodFisc;
    QString DataNasc;
    QString LuogoNasc;
    QString ProvNasc;
    QString Sesso;
    QString TipoDoc;
    QString NumDoc;
    QString EnteRil;
    QString DataRil;
    QString DataSca;
    QString Compratore;
    QString Destinazione;
    QString DataVen;
    QString Descrizione;
    QString Valutazione;
    QString PrezzoVen;
    QString Venduto;
    QString File01;
    QString File02;
    QString File03;
    QString Desc01;
    QString Desc02;
    QString Desc03;

    static constexpr std::array<FieldDef<RegisterRecord>, 33> kFields{{
        {"NumScheda", 30, &RegisterRecord::NumScheda},
        {"Data", 10, &RegisterRecord::Data},
        {"Ora", 5, &RegisterRecord::Ora},
        {"Importo", 12, &RegisterRecord::Importo},
        {"Transazione", 250, &RegisterRecord::Transazione},
        {"Mezzo", 50, &RegisterRecord::Mezzo},
        {"Caratteristiche", 250, &RegisterRecord::Caratteristiche},
        {"Natura", 120, &RegisterRecord::Natura},
        {"Quotazione", 250, &RegisterRecord::Quotazione},
        {"Cliente", 50, &RegisterRecord::Cliente},
        {"CodFisc", 16, &RegisterRecord::CodFisc},
        {"DataNasc", 10, &RegisterRecord::DataNasc},
        {"LuogoNasc", 50, &RegisterRecord::LuogoNasc},
        {"ProvNasc", 2, &RegisterRecord::ProvNasc},
        {"Sesso", 1, &RegisterRecord::Sesso},
        {"TipoDoc", 50, &RegisterRecord::TipoDoc},
        {"NumDoc", 50, &RegisterRecord::NumDoc},
        {"EnteRil", 50, &RegisterRecord::EnteRil},
        {"DataRil", 10, &RegisterRecord::DataRil},
        {"DataSca", 10, &RegisterRecord::DataSca},
        {"Compratore", 250, &RegisterRecord::Compratore},
        {"Destinazione", 250, &RegisterRecord::Destinazione},
        {"DataVen", 10, &RegisterRecord::DataVen},
        {"Descrizione", 55, &RegisterRecord::Descrizione},
        {"Valutazione", 50, &RegisterRecord::Valutazione},
        {"PrezzoVen", 12, &RegisterRecord::PrezzoVen},
        {"Venduto", 2, &RegisterRecord::Venduto},
        {"File01", 250, &RegisterRecord::File01},
        {"File02", 250, &RegisterRecord::File02},
        {"File03", 250, &RegisterRecord::File03},
        {"Desc01", 250, &RegisterRecord::Desc01},
        {"Desc02", 250, &RegisterRecord::Desc02},
        {"Desc03", 250, &RegisterRecord::Desc03}
    }};
};

using RegisterRecordLayout = RecordLayout<RegisterRecord>;
static_assert(RegisterRecordLayout::size == 3438);
// The attachment slots close the record, where the attachments folder looks for them.
static_assert(RegisterRecordLayout::size == AttachmentFields::kRegisterRecordSize
              && std::string_view(RegisterRecord::kFields[RegisterRecord::kFields.size() - 6].name) == "File01"
              && RegisterRecord::kFields[RegisterRecord::kFields.size() - 6].capacity == AttachmentFields::kCapacity);
