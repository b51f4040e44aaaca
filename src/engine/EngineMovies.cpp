#include "engine/EngineMovies.h"

#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"

namespace {

// Pushes flash.external.ExternalInterface.
void PushExternalInterface(Avm1Assembler& a)
{
    a.getVariable("flash").getMember("external").getMember("ExternalInterface");
}

// _level9999.name = value (the value pushed by pushValue).
template <typename PushValue> void SetHostMember(Avm1Assembler& a, const QByteArray& name, PushValue pushValue)
{
    a.getVariable("_level" + QByteArray::number(kHostLevel)).pushString(name);
    pushValue(a);
    a.op(Avm1Op::SetMember);
}

void GetHostMember(Avm1Assembler& a, const QByteArray& name)
{
    a.getVariable("_level" + QByteArray::number(kHostLevel)).getMember(name);
}

// _level0.method() with no arguments; the result is dropped.
void CallRootMethod(Avm1Assembler& a, const QByteArray& method)
{
    a.pushInt(0).getVariable("_level0").callMethod(method).op(Avm1Op::Pop);
}

// _level9999.vorlenReport(true): a report outside the frame tick.
void ReportNow(Avm1Assembler& a)
{
    a.pushBool(true).pushInt(1).getVariable("_level" + QByteArray::number(kHostLevel)).callMethod("vorlenReport");
    a.op(Avm1Op::Pop);
}

// Marks the root playing (still = 0) or halted (still = 2) and the state as changed.
void MarkPlaying(Avm1Assembler& a, bool playing)
{
    SetHostMember(a, "still", [playing](Avm1Assembler& b) { b.pushInt(playing ? 0 : 2); });
    SetHostMember(a, "dirty", [](Avm1Assembler& b) { b.pushBool(true); });
}

// function vorlenReport(manual): the frame tick (manual false) counts frames without
// progress and stops a movie that must not loop at its last frame; any change is sent to
// the page with ExternalInterface.call("vorlenFrame", frame, total, playing).
Avm1Assembler ReportFunction()
{
    Avm1Assembler f;
    f.pushString("cf").getVariable("_level0").getMember("_currentframe").op(Avm1Op::DefineLocal);
    f.pushString("tf").getVariable("_level0").getMember("_totalframes").op(Avm1Op::DefineLocal);
    f.getVariable("manual").ifTrue("state");
    // Frame tick: still counts the ticks without a frame change.
    f.getVariable("cf");
    GetHostMember(f, "last");
    f.op(Avm1Op::Equals2).ifTrue("same");
    SetHostMember(f, "still", [](Avm1Assembler& b) { b.pushInt(0); });
    f.jump("loop");
    f.label("same");
    SetHostMember(f, "still", [](Avm1Assembler& b) {
        GetHostMember(b, "still");
        b.op(Avm1Op::Increment);
    });
    f.label("loop");
    // Loop off: halt on arriving at the last frame of a movie of more than one frame.
    GetHostMember(f, "loopOff");
    f.op(Avm1Op::Not).ifTrue("state");
    f.getVariable("cf").getVariable("tf").op(Avm1Op::Equals2).op(Avm1Op::Not).ifTrue("state");
    f.pushInt(0);
    GetHostMember(f, "still");
    f.op(Avm1Op::Equals2).op(Avm1Op::Not).ifTrue("state");
    f.pushInt(1).getVariable("tf").op(Avm1Op::Less2).op(Avm1Op::Not).ifTrue("state");
    CallRootMethod(f, "stop");
    SetHostMember(f, "still", [](Avm1Assembler& b) { b.pushInt(2); });
    f.label("state");
    // playing = still < 2
    f.pushString("playing");
    GetHostMember(f, "still");
    f.pushInt(2).op(Avm1Op::Less2).op(Avm1Op::DefineLocal);
    // Send when anything changed.
    GetHostMember(f, "dirty");
    f.ifTrue("send");
    f.getVariable("cf");
    GetHostMember(f, "last");
    f.op(Avm1Op::Equals2).op(Avm1Op::Not).ifTrue("send");
    f.getVariable("tf");
    GetHostMember(f, "total");
    f.op(Avm1Op::Equals2).op(Avm1Op::Not).ifTrue("send");
    f.getVariable("playing");
    GetHostMember(f, "playing");
    f.op(Avm1Op::Equals2).op(Avm1Op::Not).ifTrue("send");
    f.jump("keep");
    f.label("send");
    f.getVariable("playing").getVariable("tf").getVariable("cf").pushString(HostCallback::kFrame).pushInt(4);
    PushExternalInterface(f);
    f.callMethod("call").op(Avm1Op::Pop);
    f.label("keep");
    SetHostMember(f, "last", [](Avm1Assembler& b) { b.getVariable("cf"); });
    SetHostMember(f, "total", [](Avm1Assembler& b) { b.getVariable("tf"); });
    SetHostMember(f, "playing", [](Avm1Assembler& b) { b.getVariable("playing"); });
    SetHostMember(f, "dirty", [](Avm1Assembler& b) { b.pushBool(false); });
    return f;
}

// ExternalInterface.addCallback(name, null, function(parameters) { body }).
void AddCallback(Avm1Assembler& a, const char* name, const QList<QByteArray>& parameters, const Avm1Assembler& body)
{
    a.defineFunction(QByteArray(), parameters, body);
    a.pushNull().pushString(name).pushInt(3);
    PushExternalInterface(a);
    a.callMethod("addCallback").op(Avm1Op::Pop);
}

Avm1Assembler GotoCallback()
{
    Avm1Assembler f;
    f.getVariable("run").ifTrue("play");
    f.getVariable("frame").pushInt(1).getVariable("_level0").callMethod("gotoAndStop").op(Avm1Op::Pop);
    MarkPlaying(f, false);
    f.jump("done");
    f.label("play");
    f.getVariable("frame").pushInt(1).getVariable("_level0").callMethod("gotoAndPlay").op(Avm1Op::Pop);
    MarkPlaying(f, true);
    f.label("done");
    // updateAfterEvent(): the engine redraws the stage on its next screen refresh instead of
    // waiting for the movie's next frame.
    f.pushInt(0).pushString("updateAfterEvent").op(Avm1Op::CallFunction).op(Avm1Op::Pop);
    ReportNow(f);
    return f;
}

// _level0.method(); marks the running state; reports.
Avm1Assembler RootCallback(const QByteArray& method, bool playing)
{
    Avm1Assembler f;
    CallRootMethod(f, method);
    MarkPlaying(f, playing);
    ReportNow(f);
    return f;
}

Avm1Assembler RootPropertyCallback(const QByteArray& property)
{
    Avm1Assembler f;
    f.getVariable("_level0").getMember(property).op(Avm1Op::Return);
    return f;
}

}  // namespace

QByteArray BuildHostMovie()
{
    Avm1Assembler a;
    SetHostMember(a, "still", [](Avm1Assembler& b) { b.pushInt(0); });
    SetHostMember(a, "last", [](Avm1Assembler& b) { b.pushInt(-1); });
    SetHostMember(a, "dirty", [](Avm1Assembler& b) { b.pushBool(true); });
    SetHostMember(a, "loopOff", [](Avm1Assembler& b) { b.pushBool(false); });
    SetHostMember(a, "vorlenReport", [](Avm1Assembler& b) { b.defineFunction(QByteArray(), {"manual"}, ReportFunction()); });

    AddCallback(a, HostCallback::kGoto, {"frame", "run"}, GotoCallback());
    AddCallback(a, HostCallback::kPlay, {}, RootCallback("play", true));
    AddCallback(a, HostCallback::kStop, {}, RootCallback("stop", false));
    AddCallback(a, HostCallback::kNext, {}, RootCallback("nextFrame", false));
    AddCallback(a, HostCallback::kPrev, {}, RootCallback("prevFrame", false));
    AddCallback(a, HostCallback::kCurrent, {}, RootPropertyCallback("_currentframe"));
    AddCallback(a, HostCallback::kTotal, {}, RootPropertyCallback("_totalframes"));
    {
        // _quality is property 19, global to the player.
        Avm1Assembler f;
        f.pushString("_level0").pushInt(19).getVariable("quality").op(Avm1Op::SetProperty);
        AddCallback(a, HostCallback::kQuality, {"quality"}, f);
    }
    {
        Avm1Assembler f;
        f.getVariable("Stage").pushString("scaleMode").getVariable("mode").op(Avm1Op::SetMember);
        AddCallback(a, HostCallback::kScale, {"mode"}, f);
    }
    {
        // The path already names its level ("_level0._alpha", "_level0.mwheel").
        Avm1Assembler f;
        f.getVariable("path").getVariable("value").op(Avm1Op::SetVariable);
        AddCallback(a, HostCallback::kSet, {"path", "value"}, f);
    }
    {
        Avm1Assembler f;
        f.getVariable("frame").op(Avm1Op::Call);
        AddCallback(a, HostCallback::kCall, {"frame"}, f);
    }
    {
        Avm1Assembler f;
        f.getVariable("url").getVariable("target").getUrl2(0);
        AddCallback(a, HostCallback::kLoad, {"url", "target"}, f);
    }
    {
        Avm1Assembler f;
        SetHostMember(f, "loopOff", [](Avm1Assembler& b) { b.getVariable("loop").op(Avm1Op::Not); });
        AddCallback(a, HostCallback::kLoop, {"loop"}, f);
    }
    // onEnterFrame = function() { vorlenReport(false) }
    {
        Avm1Assembler tick;
        tick.pushBool(false).pushInt(1).getVariable("_level" + QByteArray::number(kHostLevel)).callMethod("vorlenReport");
        tick.op(Avm1Op::Pop);
        SetHostMember(a, "onEnterFrame", [&tick](Avm1Assembler& b) { b.defineFunction(QByteArray(), {}, tick); });
    }
    a.pushString(HostCallback::kReady).pushInt(1);
    PushExternalInterface(a);
    a.callMethod("call").op(Avm1Op::Pop);

    SwfWriter writer;
    writer.setVersion(8).setFrameSize(1, 1).setFrameRate(12);
    writer.addRaw(a.doActionTag());
    writer.showFrame();
    return writer.toBytes();
}

QByteArray BuildSoundMovie()
{
    Avm1Assembler a;
    // var s = new Sound(): a Sound without a target acts on everything.
    a.pushString("s").pushInt(0).pushString("Sound").op(Avm1Op::NewObject).op(Avm1Op::SetVariable);
    a.getVariable("volume").pushUndefined().op(Avm1Op::Equals2).ifTrue("pan");
    a.getVariable("volume").op(Avm1Op::ToNumber).pushInt(1).getVariable("s").callMethod("setVolume").op(Avm1Op::Pop);
    a.label("pan");
    a.getVariable("pan").pushUndefined().op(Avm1Op::Equals2).ifTrue("done");
    a.getVariable("pan").op(Avm1Op::ToNumber).pushInt(1).getVariable("s").callMethod("setPan").op(Avm1Op::Pop);
    a.label("done");

    SwfWriter writer;
    writer.setVersion(8).setFrameSize(1, 1).setFrameRate(12);
    writer.addRaw(a.doActionTag());
    writer.showFrame();
    return writer.toBytes();
}

QByteArray BuildBlankMovie()
{
    SwfWriter writer;
    writer.setVersion(8).setFrameSize(1, 1).setFrameRate(12);
    writer.showFrame();
    return writer.toBytes();
}
