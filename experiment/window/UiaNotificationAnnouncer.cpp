#include "UiaNotificationAnnouncer.h"

#include "ScreenReaderAnnouncer.h"

#include <QLibrary>
#include <QWidget>

// oleauto.h needs windows.h before it.
#include <windows.h>

#include <oleauto.h>

namespace {

// From UIAutomationCoreApi.h, which MinGW-w64 lacks; the provider is an
// IRawElementProviderSimple, used here only as the IUnknown it is.
using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND window, IUnknown **provider);
using RaiseNotificationEvent = HRESULT(WINAPI *)(IUnknown *provider, int kind, int processing, BSTR displayString,
                                                 BSTR activityId);
constexpr int NotificationKind_ActionCompleted = 2;
// A newer result replaces one not yet spoken.
constexpr int NotificationProcessing_MostRecent = 3;

} // namespace

UiaNotificationAnnouncer::UiaNotificationAnnouncer(QWidget &experimentWindow)
    : window(experimentWindow)
{
    QLibrary automation(QStringLiteral("uiautomationcore"));
    hostProvider = automation.resolve("UiaHostProviderFromHwnd");
    raiseNotification = automation.resolve("UiaRaiseNotificationEvent");
}

void UiaNotificationAnnouncer::announce(const QString &sentence)
{
    if (!available() || !window.isVisible())
        return;
    IUnknown *provider = nullptr;
    const auto providerOf = reinterpret_cast<HostProviderFromHwnd>(hostProvider);
    if (FAILED(providerOf(reinterpret_cast<HWND>(window.winId()), &provider)) || !provider)
        return;
    BSTR text = SysAllocStringLen(reinterpret_cast<const OLECHAR *>(sentence.utf16()), UINT(sentence.size()));
    BSTR activity = SysAllocString(L"zerubino.results");
    reinterpret_cast<RaiseNotificationEvent>(raiseNotification)(
        provider, NotificationKind_ActionCompleted, NotificationProcessing_MostRecent, text, activity);
    SysFreeString(activity);
    SysFreeString(text);
    provider->Release();
}

std::unique_ptr<Announcer> screenReaderAnnouncer(QWidget &window)
{
    return std::make_unique<UiaNotificationAnnouncer>(window);
}
