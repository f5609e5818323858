#pragma once
// JPEG decoding with libjpeg, called directly.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace tv {

// The decoded picture, or a null image with the decoder's message in error.
// Damaged data never ends the program; truncated data, which the decoder
// only warns about, counts as an error too.
QImage DecodeJpeg(const QByteArray& data, QString* error = nullptr);

}  // namespace tv
