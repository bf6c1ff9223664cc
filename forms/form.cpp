#include "forms/form.h"

#include "forms/control.h"
#include "forms/form_set.h"
#include "forms/window_class.h"
#include "platform/failure_trace.h"

#include <algorithm>
#include <utility>

namespace taverel::forms {

namespace {

// A fixed single border: the layout does not follow a change of size.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = 0;

// Centred on the work area of the primary screen (the forms have no owner).
POINT CentredOrigin(int width, int height) {
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return POINT{work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2};
}

platform::Icon LoadIconImage(int resource_id, int size_metric_x, int size_metric_y) {
    return platform::Icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource_id), IMAGE_ICON,
                   GetSystemMetrics(size_metric_x), GetSystemMetrics(size_metric_y), 0)));
}

// The form's own class, on the same registration path as the controls'.
bool RegisterFormClass(WNDPROC procedure) {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    info.style = CS_DBLCLKS;
    info.lpfnWndProc = procedure;
    info.hInstance = GetModuleHandleW(nullptr);
    info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    info.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    info.lpszClassName = kFormClass;
    return RegisterWindowClass(info);
}

}  // namespace

Form::Form(FormSet* set) : set_(set) {}

Form::~Form() {
    // Derived parts are gone already: no events, the window is just removed.
    if (DestroyUnbound() && set_)
        set_->Closed();
}

void Form::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (Window())
        SetWindowTextW(Window(), caption.c_str());
}

void Form::SetClientSize(int width_twips, int height_twips) {
    client_width_twips_ = width_twips;
    client_height_twips_ = height_twips;
}

bool Form::CreateFormWindow() {
    if (!RegisterFormClass(ClassProc))
        return false;
    dpi_ = ScreenDpi();
    font_ = CreateFontFromSpec(font_spec_, dpi_);
    RECT frame{0, 0, TwipsToPixels(client_width_twips_, dpi_.x),
               TwipsToPixels(client_height_twips_, dpi_.y)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const POINT origin = CentredOrigin(width, height);
    unloaded_ = false;
    focused_ = nullptr;
    if (!CreateWindowExW(kFormExStyle, kFormClass, caption_.c_str(), kFormStyle, origin.x, origin.y,
                         width, height, nullptr, nullptr, GetModuleHandleW(nullptr),
                         CreationParameter())) {
        platform::TraceFailedCall(L"CreateWindowExW", kFormClass, GetLastError());
        return false;
    }
    if (set_)
        set_->Opened();
    if (icon_resource_) {
        big_icon_ = LoadIconImage(icon_resource_, SM_CXICON, SM_CYICON);
        small_icon_ = LoadIconImage(icon_resource_, SM_CXSMICON, SM_CYSMICON);
        SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
        SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
    }
    SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (!CreateChildren(Window())) {
        // A form without all its controls is not shown. It never loaded,
        // so it is unbound first and does not unload either.
        DestroyUnbound();
        if (set_)
            set_->Closed();
        return false;
    }
    if (Load)
        Load();
    return Window() != nullptr;
}

bool Form::Show() {
    if (!Window() && !CreateFormWindow())
        return false;
    ShowWindow(Window(), SW_SHOWNORMAL);
    SetForegroundWindow(Window());
    SetActiveWindow(Window());
    if (GetActiveWindow() == Window())
        RestoreFocus();
    return true;
}

void Form::Close() {
    if (!Window())
        return;
    RunUnloadOnce();
    if (Window())
        DestroyWindow(Window());
}

void Form::RunUnloadOnce() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (Unload)
        Unload();
}

int Form::ShowMessage(const std::wstring& text, const std::wstring& caption, UINT style) {
    return MessageBoxW(Window(), text.c_str(), caption.c_str(), style);
}

void Form::CollectControls(const Container& container, std::vector<Control*>& out) const {
    for (Control* control : container.Controls()) {
        out.push_back(control);
        if (const Container* inner = control->AsContainer())
            CollectControls(*inner, out);
    }
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> all;
    CollectControls(*this, all);
    std::vector<Control*> order;
    for (Control* control : all) {
        if (control->CanTakeFocus())
            order.push_back(control);
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return order;
}

void Form::MoveFocus(Control& from, bool backward) {
    const std::vector<Control*> order = TabOrder();
    if (order.empty())
        return;
    // By tab index rather than by position: `from` itself may have just
    // stopped being a tab stop (an option button that lost its selection).
    Control* target = nullptr;
    if (backward) {
        for (auto it = order.rbegin(); it != order.rend() && !target; ++it) {
            if ((*it)->TabIndex() < from.TabIndex())
                target = *it;
        }
        if (!target)
            target = order.back();
    } else {
        for (Control* control : order) {
            if (control->TabIndex() > from.TabIndex()) {
                target = control;
                break;
            }
        }
        if (!target)
            target = order.front();
    }
    target->SetFocus();
}

void Form::RestoreFocus() {
    const std::vector<Control*> order = TabOrder();
    Control* target = nullptr;
    if (focused_ && std::find(order.begin(), order.end(), focused_) != order.end())
        target = focused_;
    else if (!order.empty())
        target = order.front();
    if (target)
        target->SetFocus();
}

void Form::OnPaint() {
    platform::PaintDc paint(Window());
    const HDC dc = paint.get();
    if (picture_) {
        BITMAP info{};
        GetObjectW(picture_.get(), sizeof info, &info);
        platform::MemoryDc source(CreateCompatibleDC(dc));
        platform::SelectedObject selected(source.get(), picture_.get());
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    }
    PaintLabels(dc);
}

LRESULT Form::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT reflected = 0;
    if (ReflectToChild(message, wparam, lparam, reflected))
        return reflected;
    switch (message) {
        case WM_ACTIVATE:
            // Give the focus back to the control that had it, as a dialog box
            // does, instead of to the form itself.
            if (LOWORD(wparam) != WA_INACTIVE && !HIWORD(wparam)) {
                RestoreFocus();
                if (GetFocus() != Window() && IsChild(Window(), GetFocus()))
                    return 0;
            }
            break;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_ERASEBKGND:
            if (picture_) {
                // Only around the picture: under it the paint that follows
                // would just cover the fill again (and flicker).
                const auto dc = reinterpret_cast<HDC>(wparam);
                BITMAP info{};
                GetObjectW(picture_.get(), sizeof info, &info);
                const platform::SavedDcState saved(dc);
                ExcludeClipRect(dc, 0, 0, info.bmWidth, info.bmHeight);
                RECT client{};
                GetClientRect(Window(), &client);
                FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
                return 1;
            }
            break;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_MOUSEMOVE:
            if (!RouteMouseToLabel(message, wparam, lparam) && MouseMove)
                MouseMove(MouseArgs(wparam, lparam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            RouteMouseToLabel(message, wparam, lparam);
            return 0;
        case WM_CHAR:
            if (KeyPress) {
                // The handler may close the form: nothing of it is used after.
                KeyPress(static_cast<wchar_t>(wparam));
                return 0;
            }
            break;
        case WM_DESTROY:
            // Destroyed without closing (DestroyWindow by someone else):
            // Unload still runs, once.
            RunUnloadOnce();
            break;
        default:
            break;
    }
    return DefWindowProcW(Window(), message, wparam, lparam);
}

LRESULT CALLBACK Form::ClassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Form* form = Bound<Form>(window, message, lparam);
    if (!form)
        return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        form->focused_ = nullptr;
        if (form->set_)
            form->set_->Closed();
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return form->WindowProc(message, wparam, lparam);
}

}  // namespace taverel::forms
