#pragma once
// The preview image `Vue3D`: the blank folded, or a picture of the style when the data
// directory has one and the blank does not fold; a click exchanges it with the drawing.

#include <QLabel>

#include "app/views/fold_view.h"

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
    // The folded blank, shown erected in place of any picture while it has faces.
    void setFold(FoldScene scene);
    bool showsFold() const { return fold_.model && fold_.model->faceCount() > 0; }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void scalePicture();
    QPixmap picture_;
    QString emptyText_;
    FoldScene fold_;
};

}  // namespace brontaxe::app
