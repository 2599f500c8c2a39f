#pragma once

#include <QImage>
#include <QLabel>

namespace quitanza::app {

// The configuration window's logo: the picture centred and scaled down to
// fit, or the caption "Logomarca" while none is loaded.
class LogoPreview final : public QLabel {
public:
  explicit LogoPreview(QWidget* parent = nullptr);

  // Throws std::runtime_error when the file cannot be read as a picture.
  void LoadFromFile(const QString& path);
  bool HasPicture() const { return !m_picture.isNull(); }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void ShowPicture();

  QImage m_picture;
};

// The picture formats the program reads, for the file dialog's filter.
QString PictureFileFilter();

}  // namespace quitanza::app
