#pragma once
// What the register window keeps for its compliance strip.
#include "register/Placeholder.h"
#include "register/RegisterWindow.h"
#include "register/compliance/PhotoEvidence.h"
#include "register/compliance/RegisterCompliance.h"

struct TfrmRegistro::ComplianceState
{
    Compliance::Settings settings;
    Compliance::OtherCards others;  // read when a card is shown, saved or started
    PhotoEvidence evidence{Placeholder::ringPhoto()};
    qint64 photoKeys[2] = {0, 0};   // the pictures the photo facts were taken from
    Compliance::PhotoFacts photos;
};
