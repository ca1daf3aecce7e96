#pragma once
// The preview window: the pages of a preview job exactly as they will
// print, since it shows the very PDF the job's pages were painted into.
// Page by page, with zoom; there is deliberately no print, send or save
// command. Modal: exec() returns when the user closes it.
#include <QDialog>
#include <QImage>
#include <QRect>
#include <memory>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;

namespace Poppler {
class Document;
}

namespace quill::ui {

class TPreviewCanvas;

class TfrmPreview : public QDialog {
    Q_OBJECT
public:
    static constexpr int MinZoom = 25, MaxZoom = 800;

    explicit TfrmPreview(const QString& pdfPath, QWidget* parent = nullptr);
    ~TfrmPreview() override;

    bool IsOpen() const { return pageCount_ > 0; }
    int PageCount() const { return pageCount_; }
    int CurrentPage() const { return page_; }   // from 0
    int ZoomPercent() const { return zoom_; }
    enum class TFit { None, Page, Width };
    TFit Fit() const { return fit_; }

    void GoToPage(int page);
    void SetZoom(int percent);   // 25..800; ends fitting
    void SetFit(TFit fit);
    void ZoomIn();
    void ZoomOut();

    QLabel* PageCountLabel() const { return lblPages_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolbar();
    void Refit();
    void ShowPage();
    void ZoomChosen(int index);
    // PgUp, PgDn, Home, End, + and -; whether the key was one of them.
    bool PageKey(int key);

    std::unique_ptr<Poppler::Document> document_;
    int pageCount_ = 0;
    int page_ = 0;
    int zoom_ = 100;
    TFit fit_ = TFit::Page;
    QScrollArea* scroll_ = nullptr;
    TPreviewCanvas* canvas_ = nullptr;
    QSpinBox* spnPage_ = nullptr;
    QLabel* lblPages_ = nullptr;
    QComboBox* cbZoom_ = nullptr;
    QLabel* lblZoom_ = nullptr;
};

// Makes the label job show its previews in TfrmPreview (programs with a display).
void InstallPreviewWindowHook();

}  // namespace quill::ui
