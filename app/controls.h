// Plain controls of the form, shaped after what the form needs of them: panels with a
// colour, bevel and centred caption; labels whose caption is a stored setting; the hands
// picture drawn with a transparent colour; a read-only memo; and the hidden spin box that
// holds the typing length. Captions, check marks and values are Qt properties under their
// own names (Caption, Value) so the settings storage can find them by name.
#pragma once

#include "widgets/colors.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace trovel {

enum class TBevel { bvNone, bvLowered, bvRaised, bvSpace };

// Paints the outermost one-pixel ring of r: top row (without its rightmost pixel) and left
// column (without its bottom pixel) in light, right column and bottom row in dark.
void draw_3d_frame(class QPainter &p, const QRect &r, TColor light, TColor dark);

class TPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
public:
    explicit TPanel(QWidget *parent = nullptr);

    TColor Color() const { return color_; }
    void setColor(TColor c);
    QString Caption() const { return caption_; }
    void setCaption(const QString &c);
    TBevel BevelOuter() const { return bevel_outer_; }
    void setBevelOuter(TBevel b);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    TColor color_ = clBtnFace;
    QString caption_;
    TBevel bevel_outer_ = TBevel::bvRaised;
};

// The panel around the progress bar, which tells screen readers the percentage of the
// countdown left (a progress bar with a value from 0 to 100).
class TProgressPanel : public TPanel {
    Q_OBJECT
public:
    using TPanel::TPanel;
    int percent() const { return percent_; }
    // Tells an active screen reader when the value changes.
    void setPercent(int percent);

private:
    int percent_ = 100;
};

// Screen readers see a TProgressPanel as a progress bar; call once before the form is
// made.
void install_accessible_controls();

class TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
public:
    explicit TLabel(QWidget *parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString &c);
    void setFontColor(TColor c);
    // A label that sizes itself to its caption from its next caption on. A right-aligned
    // one keeps the right edge it has now and grows to the left, but stops at its
    // parent's left edge (and grows to the right from there) so the caption shows whole.
    // Measuring text loads the fonts, so nothing is measured here: fit_caption() sizes
    // the label to the caption it has now.
    void setAutoSize(bool on);
    void fit_caption();

private:
    bool auto_size_ = false;
    int right_edge_ = 0; // the edge a right-aligned auto-sized label keeps
};

// A picture drawn at its natural size from the top-left corner, clipped to the control;
// the colour of its bottom-left pixel is drawn transparent.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);
    void setPicture(const QImage &image);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap pixmap_;
};

class TButton : public QPushButton {
    Q_OBJECT
public:
    explicit TButton(QWidget *parent = nullptr);
};

// A read-only text with a vertical scroll bar. The editor that shows it is built the first
// time the memo is shown: building one lays out text, which loads the fonts, and the memo
// (the disclaimer) is hidden at start-up, where that would hold back the bar.
class TMemo : public QWidget {
    Q_OBJECT
public:
    explicit TMemo(QWidget *parent = nullptr);
    void setPlainText(const QString &text);
    QString toPlainText() const { return text_; }
    bool isReadOnly() const { return true; }
    // The editor; null until the memo has been shown.
    QPlainTextEdit *editor() const { return editor_; }

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QString text_;
    QPlainTextEdit *editor_ = nullptr;
};

// The never-shown integer spin box that holds the typing length in minutes. Its value lives
// as the text of its edit field: reading gives MinValue when the text is no integer.
// Writing clamps to MaxValue, unless MinValue and MaxValue are equal; a value below
// MinValue is no typing length at all (the settings file's "0" or "-5", or text that is no
// number, which loads as 0) and leaves the value as it was: at the load, the design value.
// The program never counts down a typing length of 0.
class TAdvSpinEdit : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue)
public:
    explicit TAdvSpinEdit(QObject *parent = nullptr);
    int Value() const;
    void setValue(int v);
    int MinValue = 1;
    int MaxValue = 100;
    QString Text = QStringLiteral("0");
};

} // namespace trovel
