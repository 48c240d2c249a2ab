// SPDX-License-Identifier: MIT
#include "app/platform/Form.h"

#include "app/platform/Guard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <QAbstractNativeEventFilter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <xcb/xcb.h>
#endif

namespace {

class ExecModalAnswerer : public IModalAnswerer {
public:
    int ShowModal(TForm& form) override {
        form.SetModalResult(mrNone);
        return form.exec();
    }
};

std::unique_ptr<IModalAnswerer>& Answerer() {
    static std::unique_ptr<IModalAnswerer> answerer = std::make_unique<ExecModalAnswerer>();
    return answerer;
}

QPointer<QWidget>& MainForm() {
    static QPointer<QWidget> mainForm;
    return mainForm;
}

// Qt's X11 platform reads window types from this property of a QWindow and announces them
// before the one its flags give (a dialog); window managers take the first they know. They
// keep the title and close box of both types below. A utility window is modal and focused as a
// dialog is, and no window manager maximises one of fixed size; some minimise it, with the
// window it belongs to. A tool bar is neither minimised nor maximised, resizable or not, but
// is not treated as modal: the type of a window that never takes the focus.
constexpr char kX11WindowType[] = "_q_xcb_wm_window_type";
constexpr int kToolBarType = 0x8;
constexpr int kUtilityType = 0x20;

void NeitherMinimisedNorMaximised(QWindow& window) {
    if (QGuiApplication::platformName() != "xcb" || window.property(kX11WindowType).isValid()) {
        return;
    }
    const bool noFocus = window.flags().testFlag(Qt::WindowDoesNotAcceptFocus);
    window.setProperty(kX11WindowType, noFocus ? kToolBarType : kUtilityType);
    const Qt::WindowFlags flags = window.flags();
    window.setFlags(flags ^ Qt::WindowDoesNotAcceptFocus);
    window.setFlags(flags);
}

// Owned by the main window, a window stays above it, and task lists show the main window
// alone, whatever the window manager. Without it Qt makes a modal window transient for the
// whole program, which task lists take for a window of its own.
void BelongToMainForm(QWindow& window) {
    const QWidget* mainForm = MainForm();
    if (mainForm && mainForm->windowHandle() && mainForm->windowHandle() != &window) {
        window.setTransientParent(mainForm->windowHandle());
    }
}

#if QT_CONFIG(xcb)
// Some window managers roll a window up to its title bar (a button on every title bar, a wheel
// turn on the title): a child cannot tell what the bar was, nor undo it, and a modal window
// rolled up leaves a game that answers nothing. The program's windows are unrolled as soon as
// the window manager says it has rolled them up.
class UnrollFilter : public QAbstractNativeEventFilter {
public:
    explicit UnrollFilter(xcb_connection_t& connection)
        : connection_(connection), state_(Atom("_NET_WM_STATE")),
          shaded_(Atom("_NET_WM_STATE_SHADED")) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) {
            return false;
        }
        const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (change->atom == state_ && QWidget::find(change->window) && Shaded(change->window)) {
            Unshade(change->window);
        }
        return false;
    }

private:
    xcb_atom_t Atom(const char* name) const {
        const auto cookie = xcb_intern_atom(&connection_, 0, std::strlen(name), name);
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(&connection_, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    bool Shaded(xcb_window_t window) const {
        const auto cookie = xcb_get_property(&connection_, 0, window, state_, XCB_ATOM_ATOM, 0, 64);
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(&connection_, cookie, nullptr), &std::free);
        if (!reply || reply->format != 32) {
            return false;
        }
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
        return std::find(atoms, atoms + count, shaded_) != atoms + count;
    }

    // As the window manager expects it of a mapped window: a request to the root window.
    void Unshade(xcb_window_t window) const {
        constexpr std::uint32_t kRemove = 0;
        constexpr std::uint32_t kFromApplication = 1;
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window;
        request.type = state_;
        request.data.data32[0] = kRemove;
        request.data.data32[1] = shaded_;
        request.data.data32[3] = kFromApplication;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(&connection_)).data->root;
        xcb_send_event(&connection_, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(&connection_);
    }

    xcb_connection_t& connection_;
    const xcb_atom_t state_;
    const xcb_atom_t shaded_;
};

UnrollFilter*& Unroller() {
    static UnrollFilter* unroller = nullptr;
    return unroller;
}
#endif

// From the main window's showing until the application object ends.
void KeepUnrolled() {
#if QT_CONFIG(xcb)
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (Unroller() || x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    Unroller() = new UnrollFilter(*x11->connection());
    qApp->installNativeEventFilter(Unroller());
    qAddPostRoutine([] { delete std::exchange(Unroller(), nullptr); });
#endif
}

} // namespace

TForm::TForm(QWidget* parent) : QDialog(parent) {}

int TForm::ShowModal() {
    return Answerer()->ShowModal(*this);
}

void TForm::SetModalResult(int result) {
    if (result == mrNone) {
        modalResult_ = mrNone;
        return;
    }
    done(result);
}

void TForm::done(int result) {
    modalResult_ = result;
    QDialog::done(result);
}

void TForm::reject() {
    done(mrCancel);
}

// Shown: a key already down counts only once pressed again. Created but not yet mapped: the
// window manager reads the type at the mapping.
bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::Show) {
        KeyRepeats.IgnoreHeldKeys();
        if (windowHandle()) {
            NeitherMinimisedNorMaximised(*windowHandle());
            BelongToMainForm(*windowHandle());
        }
    }
    return QDialog::event(event);
}

void TForm::keyPressEvent(QKeyEvent* event) {
    WORD key = VirtualKey(*event);
    if (OnKeyDown && key != 0) {
        const bool answered = KeyRepeats.Answer(
            *event, key, [&] { Guard([&] { OnKeyDown(key, ShiftOf(*event)); }); });
        if (!answered || key == 0) {
            return;
        }
    }
    // Escape closes a window only through a Cancel button of its own.
    if (event->matches(QKeySequence::Cancel)) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm::keyReleaseEvent(QKeyEvent* event) {
    KeyRepeats.Released(*event, VirtualKey(*event));
    QDialog::keyReleaseEvent(event);
}

void SetMainForm(QWidget* form) {
    MainForm() = form;
    if (form) {
        KeepUnrolled();
    }
}

void SetModalAnswerer(std::unique_ptr<IModalAnswerer> answerer) {
    Answerer() = answerer ? std::move(answerer) : std::make_unique<ExecModalAnswerer>();
}

#include "moc_Form.cpp"
