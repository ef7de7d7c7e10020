#pragma once
// The preview image `Vue3D`: a picture of the style when the data directory has one; a click
// exchanges it with the drawing.

#include <QLabel>

namespace brontaxe::app {

class PreviewImage : public QLabel {
    Q_OBJECT
  public:
    explicit PreviewImage(QWidget* parent = nullptr);

    // Empty when the file cannot be read.
    void load(const QString& path);
    // Shown while there is no picture.
    void setEmptyText(const QString& text);
    bool hasPicture() const { return !picture_.isNull(); }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void scalePicture();
    QPixmap picture_;
    QString emptyText_;
};

}  // namespace brontaxe::app
