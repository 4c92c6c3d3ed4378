#pragma once
#include "register/compliance/ComplianceRules.h"

#include <QByteArray>
#include <QImage>

class QFile;

// Whether a card has two real photos: a readable picture that is not the
// placeholder, and photo A not the same as photo B.
class PhotoEvidence
{
public:
    // `placeholder` is the picture the program shows and once stored for a card without photo.
    explicit PhotoEvidence(const QImage &placeholder);

    // The two photo files of a card.
    Compliance::PhotoFacts files(const QString &photoA, const QString &photoB) const;
    // The two pictures on screen.
    Compliance::PhotoFacts pictures(const QImage &photoA, const QImage &photoB) const;
    bool isPlaceholder(const QImage &picture) const;

private:
    bool isRealPhotoFile(QFile &file) const;

    QImage m_placeholder;
    QByteArray m_placeholderJpeg;  // as the program writes it
};
