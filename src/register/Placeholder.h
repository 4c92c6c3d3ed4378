#pragma once
#include <QImage>

// The picture a photo frame shows when the card has no photo: a gold ring
// on a studio background, painted once and shared.
namespace Placeholder {
const QImage &ringPhoto();
constexpr int kWidth = 370;
constexpr int kHeight = 260;
}
