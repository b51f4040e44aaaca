#pragma once

#include <QByteArray>

class EngineSchemeHandler;
class QWebEngineProfile;

// What every Flash control of the process shares: one web profile, one scheme handler with
// the engine's own movies (host, sound and blank movie), and the frame host of ActionScript 3
// movies. Made on first use (after the application object).
struct SharedEngine {
    QWebEngineProfile* profile = nullptr;
    EngineSchemeHandler* handler = nullptr;
    QByteArray frameHostAbc;  // the DoABC tag of as3host.swf; empty when it is missing
};

SharedEngine& EngineOfProcess();
