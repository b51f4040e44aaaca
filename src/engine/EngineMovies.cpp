#include "engine/EngineMovies.h"

#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"

namespace {

// Pushes flash.external.ExternalInterface.
void PushExternalInterface(Avm1Assembler& a)
{
    a.GetVariable("flash").GetMember("external").GetMember("ExternalInterface");
}

// _level9999.name = value (the value pushed by pushValue).
template <typename PushValue> void SetHostMember(Avm1Assembler& a, const QByteArray& name, PushValue pushValue)
{
    a.GetVariable("_level" + QByteArray::number(kHostLevel)).PushString(name);
    pushValue(a);
    a.Op(Avm1Op::SetMember);
}

void GetHostMember(Avm1Assembler& a, const QByteArray& name)
{
    a.GetVariable("_level" + QByteArray::number(kHostLevel)).GetMember(name);
}

// _level0.method() with no arguments; the result is dropped.
void CallRootMethod(Avm1Assembler& a, const QByteArray& method)
{
    a.PushInt(0).GetVariable("_level0").CallMethod(method).Op(Avm1Op::Pop);
}

// _level9999.vorlenReport(true): a report outside the frame tick.
void ReportNow(Avm1Assembler& a)
{
    a.PushBool(true).PushInt(1).GetVariable("_level" + QByteArray::number(kHostLevel)).CallMethod("vorlenReport");
    a.Op(Avm1Op::Pop);
}

// Marks the root playing (still = 0) or halted (still = 2) and the state as changed.
void MarkPlaying(Avm1Assembler& a, bool playing)
{
    SetHostMember(a, "still", [playing](Avm1Assembler& b) { b.PushInt(playing ? 0 : 2); });
    SetHostMember(a, "dirty", [](Avm1Assembler& b) { b.PushBool(true); });
}

// function vorlenReport(manual): the frame tick (manual false) counts frames without
// progress and stops a movie that must not loop at its last frame; any change is sent to
// the page with ExternalInterface.call("vorlenFrame", frame, total, playing).
Avm1Assembler ReportFunction()
{
    Avm1Assembler f;
    f.PushString("cf").GetVariable("_level0").GetMember("_currentframe").Op(Avm1Op::DefineLocal);
    f.PushString("tf").GetVariable("_level0").GetMember("_totalframes").Op(Avm1Op::DefineLocal);
    f.GetVariable("manual").IfTrue("state");
    // Frame tick: still counts the ticks without a frame change.
    f.GetVariable("cf");
    GetHostMember(f, "last");
    f.Op(Avm1Op::Equals2).IfTrue("same");
    SetHostMember(f, "still", [](Avm1Assembler& b) { b.PushInt(0); });
    f.Jump("loop");
    f.Label("same");
    SetHostMember(f, "still", [](Avm1Assembler& b) {
        GetHostMember(b, "still");
        b.Op(Avm1Op::Increment);
    });
    f.Label("loop");
    // Loop off: halt on arriving at the last frame of a movie of more than one frame.
    GetHostMember(f, "loopOff");
    f.Op(Avm1Op::Not).IfTrue("state");
    f.GetVariable("cf").GetVariable("tf").Op(Avm1Op::Equals2).Op(Avm1Op::Not).IfTrue("state");
    f.PushInt(0);
    GetHostMember(f, "still");
    f.Op(Avm1Op::Equals2).Op(Avm1Op::Not).IfTrue("state");
    f.PushInt(1).GetVariable("tf").Op(Avm1Op::Less2).Op(Avm1Op::Not).IfTrue("state");
    CallRootMethod(f, "stop");
    SetHostMember(f, "still", [](Avm1Assembler& b) { b.PushInt(2); });
    f.Label("state");
    // playing = still < 2
    f.PushString("playing");
    GetHostMember(f, "still");
    f.PushInt(2).Op(Avm1Op::Less2).Op(Avm1Op::DefineLocal);
    // Send when anything changed.
    GetHostMember(f, "dirty");
    f.IfTrue("send");
    f.GetVariable("cf");
    GetHostMember(f, "last");
    f.Op(Avm1Op::Equals2).Op(Avm1Op::Not).IfTrue("send");
    f.GetVariable("tf");
    GetHostMember(f, "total");
    f.Op(Avm1Op::Equals2).Op(Avm1Op::Not).IfTrue("send");
    f.GetVariable("playing");
    GetHostMember(f, "playing");
    f.Op(Avm1Op::Equals2).Op(Avm1Op::Not).IfTrue("send");
    f.Jump("keep");
    f.Label("send");
    f.GetVariable("playing").GetVariable("tf").GetVariable("cf").PushString(HostCallback::kFrame).PushInt(4);
    PushExternalInterface(f);
    f.CallMethod("call").Op(Avm1Op::Pop);
    f.Label("keep");
    SetHostMember(f, "last", [](Avm1Assembler& b) { b.GetVariable("cf"); });
    SetHostMember(f, "total", [](Avm1Assembler& b) { b.GetVariable("tf"); });
    SetHostMember(f, "playing", [](Avm1Assembler& b) { b.GetVariable("playing"); });
    SetHostMember(f, "dirty", [](Avm1Assembler& b) { b.PushBool(false); });
    return f;
}

// ExternalInterface.addCallback(name, null, function(parameters) { body }).
void AddCallback(Avm1Assembler& a, const char* name, const QList<QByteArray>& parameters, const Avm1Assembler& body)
{
    a.DefineFunction(QByteArray(), parameters, body);
    a.PushNull().PushString(name).PushInt(3);
    PushExternalInterface(a);
    a.CallMethod("addCallback").Op(Avm1Op::Pop);
}

Avm1Assembler GotoCallback()
{
    Avm1Assembler f;
    f.GetVariable("run").IfTrue("play");
    f.GetVariable("frame").PushInt(1).GetVariable("_level0").CallMethod("gotoAndStop").Op(Avm1Op::Pop);
    MarkPlaying(f, false);
    f.Jump("done");
    f.Label("play");
    f.GetVariable("frame").PushInt(1).GetVariable("_level0").CallMethod("gotoAndPlay").Op(Avm1Op::Pop);
    MarkPlaying(f, true);
    f.Label("done");
    // updateAfterEvent(): the engine redraws the stage on its next screen refresh instead of
    // waiting for the movie's next frame.
    f.PushInt(0).PushString("updateAfterEvent").Op(Avm1Op::CallFunction).Op(Avm1Op::Pop);
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
    f.GetVariable("_level0").GetMember(property).Op(Avm1Op::Return);
    return f;
}

}  // namespace

QByteArray BuildHostMovie()
{
    Avm1Assembler a;
    SetHostMember(a, "still", [](Avm1Assembler& b) { b.PushInt(0); });
    SetHostMember(a, "last", [](Avm1Assembler& b) { b.PushInt(-1); });
    SetHostMember(a, "dirty", [](Avm1Assembler& b) { b.PushBool(true); });
    SetHostMember(a, "loopOff", [](Avm1Assembler& b) { b.PushBool(false); });
    SetHostMember(a, "vorlenReport", [](Avm1Assembler& b) { b.DefineFunction(QByteArray(), {"manual"}, ReportFunction()); });

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
        f.PushString("_level0").PushInt(19).GetVariable("quality").Op(Avm1Op::SetProperty);
        AddCallback(a, HostCallback::kQuality, {"quality"}, f);
    }
    {
        Avm1Assembler f;
        f.GetVariable("Stage").PushString("scaleMode").GetVariable("mode").Op(Avm1Op::SetMember);
        AddCallback(a, HostCallback::kScale, {"mode"}, f);
    }
    {
        // The path already names its level ("_level0._alpha", "_level0.mwheel").
        Avm1Assembler f;
        f.GetVariable("path").GetVariable("value").Op(Avm1Op::SetVariable);
        AddCallback(a, HostCallback::kSet, {"path", "value"}, f);
    }
    {
        Avm1Assembler f;
        f.GetVariable("frame").Op(Avm1Op::Call);
        AddCallback(a, HostCallback::kCall, {"frame"}, f);
    }
    {
        Avm1Assembler f;
        f.GetVariable("url").GetVariable("target").GetUrl2(0);
        AddCallback(a, HostCallback::kLoad, {"url", "target"}, f);
    }
    {
        Avm1Assembler f;
        SetHostMember(f, "loopOff", [](Avm1Assembler& b) { b.GetVariable("loop").Op(Avm1Op::Not); });
        AddCallback(a, HostCallback::kLoop, {"loop"}, f);
    }
    // onEnterFrame = function() { vorlenReport(false) }
    {
        Avm1Assembler tick;
        tick.PushBool(false).PushInt(1).GetVariable("_level" + QByteArray::number(kHostLevel)).CallMethod("vorlenReport");
        tick.Op(Avm1Op::Pop);
        SetHostMember(a, "onEnterFrame", [&tick](Avm1Assembler& b) { b.DefineFunction(QByteArray(), {}, tick); });
    }
    a.PushString(HostCallback::kReady).PushInt(1);
    PushExternalInterface(a);
    a.CallMethod("call").Op(Avm1Op::Pop);

    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(1, 1).SetFrameRate(12);
    writer.AddRaw(a.DoActionTag());
    writer.ShowFrame();
    return writer.ToBytes();
}

QByteArray BuildSoundMovie()
{
    Avm1Assembler a;
    // var s = new Sound(): a Sound without a target acts on everything.
    a.PushString("s").PushInt(0).PushString("Sound").Op(Avm1Op::NewObject).Op(Avm1Op::SetVariable);
    a.GetVariable("volume").PushUndefined().Op(Avm1Op::Equals2).IfTrue("pan");
    a.GetVariable("volume").Op(Avm1Op::ToNumber).PushInt(1).GetVariable("s").CallMethod("setVolume").Op(Avm1Op::Pop);
    a.Label("pan");
    a.GetVariable("pan").PushUndefined().Op(Avm1Op::Equals2).IfTrue("done");
    a.GetVariable("pan").Op(Avm1Op::ToNumber).PushInt(1).GetVariable("s").CallMethod("setPan").Op(Avm1Op::Pop);
    a.Label("done");

    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(1, 1).SetFrameRate(12);
    writer.AddRaw(a.DoActionTag());
    writer.ShowFrame();
    return writer.ToBytes();
}

QByteArray BuildBlankMovie()
{
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(1, 1).SetFrameRate(12);
    writer.ShowFrame();
    return writer.ToBytes();
}
