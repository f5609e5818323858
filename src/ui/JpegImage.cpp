#include "ui/JpegImage.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

namespace tv {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;  // first, so libjpeg's pointer is also ours
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

ErrorManager& Errors(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

[[noreturn]] void ErrorExit(j_common_ptr info) {
  info->err->format_message(info, Errors(info).message);
  std::longjmp(Errors(info).jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
  if (level >= 0) return;  // trace messages
  if (info->err->num_warnings++ == 0) info->err->format_message(info, Errors(info).message);
}

// The two steps that may jump back on an error. They hold no objects with
// destructors, so leaving them by longjmp is safe.
bool StartDecompress(jpeg_decompress_struct* info, ErrorManager* errors, const QByteArray* data) {
  if (setjmp(errors->jump)) return false;
  // An empty buffer is refused here already, so this belongs under the jump.
  jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(data->constData()),
               static_cast<unsigned long>(data->size()));
  jpeg_read_header(info, TRUE);
  info->out_color_space = JCS_RGB;
  jpeg_start_decompress(info);
  return true;
}

bool ReadRows(jpeg_decompress_struct* info, ErrorManager* errors, uchar* bits, qsizetype bytesPerLine) {
  if (setjmp(errors->jump)) return false;
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = bits + qsizetype(info->output_scanline) * bytesPerLine;
    jpeg_read_scanlines(info, &row, 1);
  }
  jpeg_finish_decompress(info);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data, QString* error) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ErrorExit;
  errors.base.emit_message = EmitMessage;
  jpeg_create_decompress(&info);

  QImage image;
  bool ok = StartDecompress(&info, &errors, &data);
  if (ok) {
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    ok = !image.isNull() && ReadRows(&info, &errors, image.bits(), image.bytesPerLine());
  }
  if (ok && errors.base.num_warnings > 0) ok = false;
  jpeg_destroy_decompress(&info);
  if (ok) return image;
  if (error) *error = QString::fromLatin1(errors.message);
  return QImage();
}

}  // namespace tv
