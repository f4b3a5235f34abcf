#pragma once
// TResizeKit keeps a window's layout proportional: it places the window at
// its first show, keeps its size limits and, after every size change, moves
// and sizes every control in proportion to the new client size and scales
// the fonts. Create it on the window after the window's controls exist and
// set its properties; it does the rest through the window's events.

#include "controls/ResizeKitNames.h"
#include "controls/ResizeKitPlacement.h"
#include "controls/ResizeKitScaling.h"
#include "controls/ResizeKitSettings.h"
#include "controls/ResizeKitValidation.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QScreen;
class QWidget;

namespace termora {

using resizekit::TResizeFormPos;

class TResizeKit : public QObject {
    Q_OBJECT
public:
    // A screen as the window system reports it, in desktop coordinates.
    struct Screen {
        resizekit::Rect geometry;
        resizekit::Rect freeArea;  // the screen less its panels
        resizekit::Resolution resolution;
    };
    using ScreenSource = std::function<Screen(const QWidget& window)>;

    // Records the window's current client size as its design size, at 96
    // dots per inch (the resolution forms are drawn at).
    explicit TResizeKit(QWidget* window);

    TResizeFormPos formPos() const { return m_formPos; }
    // Changed after the window was loaded, it places the window at once.
    void setFormPos(TResizeFormPos pos);

    // The six size settings throw UserError with the reason when a value
    // does not fit the others, and keep the old value.
    int formWidth() const { return m_size.formWidth; }
    void setFormWidth(int value);
    int formHeight() const { return m_size.formHeight; }
    void setFormHeight(int value);
    int formMaxWidth() const { return m_size.formMaxWidth; }
    void setFormMaxWidth(int value);
    int formMaxHeight() const { return m_size.formMaxHeight; }
    void setFormMaxHeight(int value);
    int formMinWidth() const { return m_size.formMinWidth; }
    void setFormMinWidth(int value);
    int formMinHeight() const { return m_size.formMinHeight; }
    void setFormMinHeight(int value);

    bool resizeFont() const { return m_resizeFont; }
    void setResizeFont(bool on) { m_resizeFont = on; }
    QString noResizeFntCtl() const { return m_noResizeFntCtl; }
    void setNoResizeFntCtl(const QString& names);
    QString noResizeCtl() const { return m_noResizeCtl; }
    void setNoResizeCtl(const QString& names);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool on);
    bool validTaskbar() const { return m_validTaskbar; }
    void setValidTaskbar(bool on);

    const resizekit::DesignMetrics& design() const { return m_design; }
    // For a window designed at another size or resolution; before loading.
    void setDesign(const resizekit::DesignMetrics& design) { m_design = design; }

    // Where the screen comes from; the window's own screen by default.
    void setScreenSource(ScreenSource source) { m_screenSource = std::move(source); }

    // The factors of the last scaling pass, and whether one has run.
    double xScale() const { return m_factors.xScale; }
    double yScale() const { return m_factors.yScale; }
    double fontScale() const { return m_factors.fontScale; }
    bool resized() const { return m_resized; }

    // Compensates the layout for the screen resolution and takes the
    // controls' reference bounds. Runs by itself when the window is first
    // shown; only the first call counts.
    void load();

signals:
    // At the end of every scaling pass.
    void exitResize(termora::TResizeKit* sender, double xScale, double yScale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Record {
        QPointer<QWidget> control;
        resizekit::Bounds reference;
        resizekit::Bounds current;
        std::optional<int> fontSize;  // reference points; none for a font set in pixels
        int currentFontSize = 0;
        bool savedParentFont = true;
        bool lastParentFont = true;
    };

    void setSize(resizekit::SizeProperty property, int value);
    void windowShown();
    void windowResized();
    void runPass(QSize client);
    void synchroniseRecords(const QList<QWidget*>& controls);
    void rebaseChangedFonts(const QList<QWidget*>& controls);
    void scaleControl(QWidget& control, Record& record);
    void correctMaximized();
    void placeWindow(resizekit::Size outer);
    void applySizeLimits();
    void followScreen(QScreen* screen);

    QList<QWidget*> trackedControls() const;
    Record* recordOf(const QWidget* control);
    resizekit::AvailableArea availableArea(const Screen& screen) const;
    resizekit::Rect outerRect(const Screen& screen) const;
    QSize clientSizeFor(resizekit::Size outer) const;
    void moveWindow(resizekit::Point topLeft, resizekit::Size outer, const Screen& screen);

    QWidget* m_window;
    ScreenSource m_screenSource;

    TResizeFormPos m_formPos = TResizeFormPos::rpDefault;
    resizekit::SizeSettings m_size;
    bool m_resizeFont = true;
    QString m_noResizeFntCtl;
    QString m_noResizeCtl;
    resizekit::NameList m_noResizeFntList;
    resizekit::NameList m_noResizeList;
    bool m_enabled = true;
    bool m_validTaskbar = true;

    resizekit::DesignMetrics m_design;
    resizekit::Resolution m_resolution;
    resizekit::PassFactors m_factors;
    QString m_windowName;
    std::optional<QFont> m_formFont;  // the window's font at reference size
    std::vector<Record> m_records;
    int m_addCounter = 0;
    bool m_loaded = false;
    bool m_resized = false;
    bool m_inPass = false;

    // The window's own limits, given back when the kit is switched off; a
    // window whose minimum equals its maximum cannot be sized by the user
    // and gets no limits from the kit.
    QSize m_ownMinimum;
    QSize m_ownMaximum;
    bool m_fixedSize = false;
    QPointer<QScreen> m_followedScreen;
};

}  // namespace termora
