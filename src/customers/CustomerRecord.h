#pragma once
#include "storage/AttachmentFields.h"
#include "storage/Record.h"

#include <string_view>

// One customer card (Clienti.pro), fields in file order.
struct CustomerRecord
{
    QString Cognome;
    QString Nome;
    QString CodFisc;
    QString Sesso;
    QString DataNasc;
    QString ComuneNasc;
    QString ProvNasc;
    QString Iva;
    QString Indirizzo;
    QString Cap;
    QString ComuneRes;
    QString ProvRes;
    QString Stato;
    QString Familiari;
    QString Recapito;
    QString TelCasa;
    QString TelCel;
    QString TelUff;
    QString Fax;
    QString Email;
    QString Qualifiche;
    QString Professione;
    QString Iban;
    QString Intestatario;
    QString Banca;
    QString Carta;
    QString ScadeCarta;
    QString Prodotti;
    QString Pagamento;
    QString Note;
    QString TipoDoc;
    QString NumDoc;
    QString EnteRil;
    QString DataRil;
    QString DataSca;
    QString Codice;
    QString Categoria;
    QString Zona;
    QString Acquisto;
    QString Decorrenza;
    QString Scadenza;
    QString Preavviso;
    QString Totale;
    QString Frazionamento;
    QString Rata;
    QString File01;
    QString File02;
    QString File03;
    QString Desc01;
    QString Desc02;
    QString Desc03;

    static constexpr std::array<FieldDef<CustomerRecord>, 51> kFields{{
        {"Cognome", 50, &CustomerRecord::Cognome},
        {"Nome", 50, &CustomerRecord::Nome},
        {"CodFisc", 16, &CustomerRecord::CodFisc},
        {"Sesso", 1, &CustomerRecord::Sesso},
        {"DataNasc", 10, &CustomerRecord::DataNasc},
        {"ComuneNasc", 50, &CustomerRecord::ComuneNasc},
        {"ProvNasc", 2, &CustomerRecord::ProvNasc},
        {"Iva", 11, &CustomerRecord::Iva},
        {"Indirizzo", 50, &CustomerRecord::Indirizzo},
        {"Cap", 5, &CustomerRecord::Cap},
        {"ComuneRes", 50, &CustomerRecord::ComuneRes},
        {"ProvRes", 2, &CustomerRecord::ProvRes},
        {"Stato", 50, &CustomerRecord::Stato},
        {"Familiari", 250, &CustomerRecord::Familiari},
        {"Recapito", 50, &CustomerRecord::Recapito},
        {"TelCasa", 50, &CustomerRecord::TelCasa},
        {"TelCel", 50, &CustomerRecord::TelCel},
        {"TelUff", 50, &CustomerRecord::TelUff},
        {"Fax", 50, &CustomerRecord::Fax},
        {"Email", 50, &CustomerRecord::Email},
        {"Qualifiche", 250, &CustomerRecord::Qualifiche},
        {"Professione", 50, &CustomerRecord::Professione},
        {"Iban", 27, &CustomerRecord::Iban},
        {"Intestatario", 50, &CustomerRecord::Intestatario},
        {"Banca", 50, &CustomerRecord::Banca},
        {"Carta", 50, &CustomerRecord::Carta},
        {"ScadeCarta", 10, &CustomerRecord::ScadeCarta},
        {"Prodotti", 250, &CustomerRecord::Prodotti},
        {"Pagamento", 120, &CustomerRecord::Pagamento},
        {"Note", 250, &CustomerRecord::Note},
        {"TipoDoc", 50, &CustomerRecord::TipoDoc},
        {"NumDoc", 50, &CustomerRecord::NumDoc},
        {"EnteRil", 50, &CustomerRecord::EnteRil},
        {"DataRil", 10, &CustomerRecord::DataRil},
        {"DataSca", 10, &CustomerRecord::DataSca},
        {"Codice", 30, &CustomerRecord::Codice},
        {"Categoria", 50, &CustomerRecord::Categoria},
        {"Zona", 50, &CustomerRecord::Zona},
        {"Acquisto", 50, &CustomerRecord::Acquisto},
        {"Decorrenza", 10, &CustomerRecord::Decorrenza},
        {"Scadenza", 10, &CustomerRecord::Scadenza},
        {"Preavviso", 3, &CustomerRecord::Preavviso},
        {"Totale", 15, &CustomerRecord::Totale},
        {"Frazionamento", 50, &CustomerRecord::Frazionamento},
        {"Rata", 50, &CustomerRecord::Rata},
        {"File01", 250, &CustomerRecord::File01},
        {"File02", 250, &CustomerRecord::File02},
        {"File03", 250, &CustomerRecord::File03},
        {"Desc01", 250, &CustomerRecord::Desc01},
        {"Desc02", 250, &CustomerRecord::Desc02},
        {"Desc03", 250, &CustomerRecord::Desc03}
    }};
};

using CustomerRecordLayout = RecordLayout<CustomerRecord>;
static_assert(CustomerRecordLayout::size == 4043);
// The attachment slots close the record, where the attachments folder looks for them.
static_assert(CustomerRecordLayout::size == AttachmentFields::kCustomerRecordSize
              && std::string_view(CustomerRecord::kFields[CustomerRecord::kFields.size() - 6].name) == "File01"
              && CustomerRecord::kFields[CustomerRecord::kFields.size() - 6].capacity == AttachmentFields::kCapacity);
