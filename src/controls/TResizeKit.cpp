#include "controls/TResizeKit.h"

#include "controls/ResizeKitControls.h"
#include "controls/ResizeKitValidation.h"
#include "platform/UserError.h"

#include <QEvent>
#include <QLocale>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace termora {

namespace {

resizekit::Rect rectOf(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

TResizeKit::Screen screenOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    return {rectOf(screen->geometry()),
            rectOf(screen->availableGeometry()),
            {qRound(screen->logicalDotsPerInchX()), qRound(screen->logicalDotsPerInchY())}};
}

resizekit::Bounds boundsOf(const QWidget& control) {
    const QRect g = control.geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

void setBounds(QWidget& control, const resizekit::Bounds& bounds) {
    if (boundsOf(control) != bounds) control.setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
}

// A widget without a font of its own follows its parent's, unless a style
// sheet styles it: Qt then gives it the application's font, so the kit
// scales it as a font of its own.
bool followsParentFont(const QWidget& control) {
    return !control.testAttribute(Qt::WA_SetFont) && !control.testAttribute(Qt::WA_StyleSheet);
}

// Fonts given in pixels have no point size to scale.
std::optional<int> pointSizeOf(const QFont& font) {
    if (font.pointSize() > 0) return font.pointSize();
    return std::nullopt;
}

void setPointSize(QWidget& widget, QFont font, int size) {
    if (widget.font().pointSize() == size && widget.testAttribute(Qt::WA_SetFont)) return;
    font.setPointSize(size);
    widget.setFont(font);
}

resizekit::WindowBorder borderOf(const QWidget& window) {
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint)) return resizekit::WindowBorder::None;
    if (window.windowType() == Qt::Dialog) return resizekit::WindowBorder::Dialog;
    return resizekit::WindowBorder::Sizeable;
}

resizekit::MessageLanguage messageLanguage() {
    return QLocale::system().language() == QLocale::Japanese ? resizekit::MessageLanguage::Japanese
                                                             : resizekit::MessageLanguage::English;
}

std::string nameOf(const QObject& object) { return object.objectName().toStdString(); }

}  // namespace

TResizeKit::TResizeKit(QWidget* window) : QObject(window), m_window(window), m_screenSource(screenOf) {
    m_design.clientWidth = window->width();
    m_design.clientHeight = window->height();
    window->installEventFilter(this);
}

void TResizeKit::setFormPos(TResizeFormPos pos) {
    if (pos == m_formPos) return;
    m_formPos = pos;
    if (m_loaded) {
        const QSize outer = m_window->frameGeometry().size();
        placeWindow({outer.width(), outer.height()});
    }
}

void TResizeKit::setFormWidth(int value) { setSize(resizekit::SizeProperty::FormWidth, value); }
void TResizeKit::setFormHeight(int value) { setSize(resizekit::SizeProperty::FormHeight, value); }
void TResizeKit::setFormMaxWidth(int value) { setSize(resizekit::SizeProperty::FormMaxWidth, value); }
void TResizeKit::setFormMaxHeight(int value) { setSize(resizekit::SizeProperty::FormMaxHeight, value); }
void TResizeKit::setFormMinWidth(int value) { setSize(resizekit::SizeProperty::FormMinWidth, value); }
void TResizeKit::setFormMinHeight(int value) { setSize(resizekit::SizeProperty::FormMinHeight, value); }

void TResizeKit::setSize(resizekit::SizeProperty property, int value) {
    if (const auto message = resizekit::setSizeSetting(m_size, property, value, messageLanguage()))
        throw UserError(QString::fromStdString(*message));
    applySizeLimits();
}

void TResizeKit::setNoResizeFntCtl(const QString& names) {
    m_noResizeFntCtl = names;
    m_noResizeFntList = resizekit::NameList(names.toStdString());
}

void TResizeKit::setNoResizeCtl(const QString& names) {
    m_noResizeCtl = names;
    m_noResizeList = resizekit::NameList(names.toStdString());
}

void TResizeKit::setEnabled(bool on) {
    m_enabled = on;
    applySizeLimits();
}

void TResizeKit::setValidTaskbar(bool on) {
    m_validTaskbar = on;
    applySizeLimits();
}

void TResizeKit::load() {
    if (m_loaded) return;
    m_loaded = true;
    m_window->winId();  // the window must exist to follow its screen
    const Screen screen = m_screenSource(*m_window);
    m_resolution = screen.resolution;
    m_windowName = m_window->objectName();
    if (pointSizeOf(m_window->font())) m_formFont = m_window->font();
    m_ownMinimum = m_window->minimumSize();
    m_ownMaximum = m_window->maximumSize();
    m_fixedSize = m_ownMinimum == m_ownMaximum;

    // Qt gives fonts in points at the screen's resolution already; only the
    // pixel bounds need the compensation.
    const resizekit::AxisFactors layout =
        resizekit::loadLayoutFactors(resizekit::resolutionFactors(m_design, m_resolution), borderOf(*m_window),
                                     {m_size.formWidth, m_size.formHeight}, m_window->isMaximized());
    for (QWidget* control : trackedControls()) {
        if (m_design.usable()) setBounds(*control, resizekit::compensatedBounds(boundsOf(*control), layout));
        const bool parentFont = followsParentFont(*control);
        m_records.push_back({control, boundsOf(*control), boundsOf(*control), pointSizeOf(control->font()),
                             control->font().pointSize(), parentFont, parentFont});
    }

    connect(m_window->windowHandle(), &QWindow::screenChanged, this, &TResizeKit::followScreen);
    followScreen(m_window->screen());
}

bool TResizeKit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window) return false;
    if (event->type() == QEvent::Show) {
        load();
        if (m_enabled && !m_window->isMinimized()) windowShown();
    } else if (event->type() == QEvent::Resize) {
        // Resize events before the first show come from laying the window out
        // for showing; the show itself runs the pass.
        if (m_enabled && m_loaded && m_window->isVisible() && !m_window->isMinimized()) windowResized();
    }
    return false;
}

void TResizeKit::windowShown() {
    if (!m_resized) {
        const QSize outer = m_window->frameGeometry().size();
        placeWindow(resizekit::firstShowSize({outer.width(), outer.height()}, m_size,
                                             availableArea(m_screenSource(*m_window))));
    }
    // Showing again after being minimized or hidden counts as a size change.
    runPass(m_window->size());
}

void TResizeKit::windowResized() {
    if (!m_fixedSize) {
        // The frame around the window may be known only now.
        applySizeLimits();
        // Window managers that ignore the size hints let the user size the
        // window beyond its limits: correct the rectangle as if sizing.
        const Screen screen = m_screenSource(*m_window);
        const resizekit::Rect outer = outerRect(screen);
        const resizekit::Rect limited = resizekit::limitSizingRect(outer, m_size);
        if (limited != outer) moveWindow({limited.left, limited.top}, {limited.width(), limited.height()}, screen);
    }
    // The size now, which a correction above may have changed.
    runPass(m_window->size());
}

void TResizeKit::runPass(QSize client) {
    const auto factors = resizekit::passFactors({client.width(), client.height()}, m_design, m_resolution);
    if (!factors) {
        // Without a design size the window keeps its layout.
        m_resized = true;
        return;
    }
    const QList<QWidget*> controls = trackedControls();
    synchroniseRecords(controls);
    rebaseChangedFonts(controls);
    m_factors = *factors;

    if (m_resizeFont && m_formFont && !m_noResizeFntList.contains(m_windowName.toStdString()))
        setPointSize(*m_window, *m_formFont,
                     resizekit::scaledWindowFontSize(m_formFont->pointSize(), m_factors.fontScale));

    m_window->setUpdatesEnabled(false);
    for (QWidget* control : controls) {
        if (Record* record = recordOf(control)) scaleControl(*control, *record);
    }
    m_window->setUpdatesEnabled(true);

    correctMaximized();
    emit exitResize(this, m_factors.xScale, m_factors.yScale);
    m_resized = true;
}

void TResizeKit::synchroniseRecords(const QList<QWidget*>& controls) {
    std::erase_if(m_records, [&controls](const Record& record) {
        return record.control.isNull() || !controls.contains(record.control.data());
    });
    for (QWidget* control : controls) {
        if (recordOf(control) != nullptr) continue;
        ++m_addCounter;
        if (resizekit::isBlankName(nameOf(*control)))
            control->setObjectName(QString::fromStdString(resizekit::addedControlName(m_addCounter)));
        Record record;
        record.control = control;
        record.current = boundsOf(*control);
        record.reference = resizekit::referenceOfAddedControl(record.current, m_factors);
        record.currentFontSize = control->font().pointSize();
        if (const auto size = pointSizeOf(control->font()))
            record.fontSize = resizekit::referenceFontSize(*size, m_factors.fontScale).value_or(*size);
        record.savedParentFont = record.lastParentFont = followsParentFont(*control);
        m_records.push_back(record);
    }
}

void TResizeKit::rebaseChangedFonts(const QList<QWidget*>& controls) {
    // A control the program switched between its own font and its parent's
    // since the last pass gets its present size as the new reference.
    for (QWidget* control : controls) {
        Record* record = recordOf(control);
        if (record == nullptr || !record->fontSize) continue;
        record->savedParentFont = followsParentFont(*control);
        if (record->savedParentFont != record->lastParentFont) {
            if (const auto size = pointSizeOf(control->font())) {
                if (const auto reference = resizekit::referenceFontSize(*size, m_factors.fontScale)) {
                    record->fontSize = reference;
                    record->currentFontSize = *size;
                }
            }
        }
        record->lastParentFont = record->savedParentFont;
    }
}

void TResizeKit::scaleControl(QWidget& control, Record& record) {
    // A control that follows its parent's font takes the parent's scaled
    // font from Qt; only controls with a font of their own are set.
    if (m_resizeFont && record.fontSize && !record.savedParentFont && !m_noResizeFntList.contains(nameOf(control)))
        setPointSize(control, control.font(), resizekit::scaledControlFontSize(*record.fontSize, m_factors.fontScale));
    setBounds(control, resizekit::scaledBounds(record.reference, m_factors));
    record.current = boundsOf(control);
    record.currentFontSize = control.font().pointSize();
}

void TResizeKit::correctMaximized() {
    if (!m_window->isMaximized()) return;
    const Screen screen = m_screenSource(*m_window);
    if (const auto at =
            resizekit::maximizedCorrection(outerRect(screen), m_size, availableArea(screen), m_validTaskbar))
        m_window->move(screen.geometry.left + at->x, screen.geometry.top + at->y);
}

void TResizeKit::placeWindow(resizekit::Size outer) {
    if (m_window->isMaximized()) return;
    const Screen screen = m_screenSource(*m_window);
    const resizekit::Rect now = outerRect(screen);
    moveWindow(resizekit::placement({now.left, now.top}, outer, availableArea(screen), m_formPos), outer, screen);
}

void TResizeKit::applySizeLimits() {
    if (!m_loaded || m_fixedSize) return;
    if (!m_enabled) {
        m_window->setMinimumSize(m_ownMinimum);
        m_window->setMaximumSize(m_ownMaximum);
        return;
    }
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    QSize minimum = m_ownMinimum;
    if (m_size.hasMinimum()) minimum = QSize(m_size.formMinWidth, m_size.formMinHeight) - frame;
    const resizekit::Size maximum = resizekit::maximumSize(m_size, availableArea(m_screenSource(*m_window)));
    m_window->setMinimumSize(minimum.expandedTo(QSize(0, 0)));
    m_window->setMaximumSize(QSize(maximum.width, maximum.height) - frame);
}

void TResizeKit::followScreen(QScreen* screen) {
    if (m_followedScreen) disconnect(m_followedScreen, nullptr, this, nullptr);
    m_followedScreen = screen;
    if (screen != nullptr) connect(screen, &QScreen::availableGeometryChanged, this, &TResizeKit::applySizeLimits);
    applySizeLimits();
}

QList<QWidget*> TResizeKit::trackedControls() const {
    QList<QWidget*> controls = resizekit::positionedControls(m_window);
    controls.removeIf([this](const QWidget* control) { return m_noResizeList.contains(nameOf(*control)); });
    return controls;
}

TResizeKit::Record* TResizeKit::recordOf(const QWidget* control) {
    for (Record& record : m_records) {
        if (record.control.data() == control) return &record;
    }
    return nullptr;
}

resizekit::AvailableArea TResizeKit::availableArea(const Screen& screen) const {
    return resizekit::availableAreaOnScreen(screen.geometry, screen.freeArea, m_validTaskbar);
}

resizekit::Rect TResizeKit::outerRect(const Screen& screen) const {
    const QRect frame = m_window->frameGeometry();
    const resizekit::Rect desktop = rectOf(frame);
    return {desktop.left - screen.geometry.left, desktop.top - screen.geometry.top,
            desktop.right - screen.geometry.left, desktop.bottom - screen.geometry.top};
}

QSize TResizeKit::clientSizeFor(resizekit::Size outer) const {
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    return (QSize(outer.width, outer.height) - frame).expandedTo(QSize(0, 0));
}

void TResizeKit::moveWindow(resizekit::Point topLeft, resizekit::Size outer, const Screen& screen) {
    const QSize client = clientSizeFor(outer);
    if (m_fixedSize) m_window->setFixedSize(client);
    else m_window->resize(client);
    m_window->move(screen.geometry.left + topLeft.x, screen.geometry.top + topLeft.y);
}

}  // namespace termora
