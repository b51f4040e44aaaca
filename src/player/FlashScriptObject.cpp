#include "player/FlashScriptObject.h"

#include "engine/FlashControl.h"

namespace {

ScriptValue Nothing()
{
    return ScriptValue();
}

}  // namespace

std::shared_ptr<ScriptHostObject> MakeFlashScriptObject(FlashControl& c)
{
    auto object = std::make_shared<ScriptHostObject>(QStringLiteral("ShockwaveFlash"));
    FlashControl* control = &c;
    object->AddProperty(QStringLiteral("FlashVersion"), [control] { return ScriptValue::FromLong(control->FlashVersion()); });
    object->AddMethod(
        QStringLiteral("LoadMovie"),
        [control](ScriptArgs& a) {
            control->LoadMovie(a[0].ToLong(), a[1].ToString());
            return Nothing();
        },
        2, 2);
    const std::pair<const char*, void (FlashControl::*)()> plain[] = {
        {"Play", &FlashControl::Play},
        {"Stop", &FlashControl::Stop},
        {"Back", &FlashControl::Back},
        {"Forward", &FlashControl::Forward},
        {"Rewind", &FlashControl::Rewind},
    };
    for (const auto& [name, call] : plain) {
        object->AddMethod(
            QLatin1String(name),
            [control, call](ScriptArgs&) {
                (control->*call)();
                return Nothing();
            },
            0, 0);
    }
    object->AddMethod(
        QStringLiteral("GotoFrame"),
        [control](ScriptArgs& a) {
            control->GotoFrame(a[0].ToLong());
            return Nothing();
        },
        1, 1);
    object->AddMethod(
        QStringLiteral("CurrentFrame"), [control](ScriptArgs&) { return ScriptValue::FromLong(control->CurrentFrame()); }, 0, 0);
    object->AddProperty(
        QStringLiteral("FrameNum"), [control] { return ScriptValue::FromLong(control->FrameNum()); },
        [control](const ScriptValue& v) { control->SetFrameNum(v.ToLong()); });
    object->AddProperty(QStringLiteral("TotalFrames"), [control] { return ScriptValue::FromLong(control->TotalFrames()); });
    object->AddProperty(
        QStringLiteral("Playing"), [control] { return ScriptValue::FromBool(control->Playing()); },
        [control](const ScriptValue& v) { control->SetPlaying(v.ToBool()); });
    object->AddProperty(
        QStringLiteral("Quality2"), [control] { return ScriptValue::FromString(control->Quality2()); },
        [control](const ScriptValue& v) { control->SetQuality2(v.ToString()); });
    object->AddProperty(
        QStringLiteral("Quality"), [control] { return ScriptValue::FromLong(control->Quality()); },
        [control](const ScriptValue& v) { control->SetQuality(v.ToLong()); });
    object->AddProperty(
        QStringLiteral("ScaleMode"), [control] { return ScriptValue::FromLong(control->ScaleMode()); },
        [control](const ScriptValue& v) { control->SetScaleMode(v.ToLong()); });
    object->AddProperty(
        QStringLiteral("Loop"), [control] { return ScriptValue::FromBool(control->Loop()); },
        [control](const ScriptValue& v) { control->SetLoop(v.ToBool()); });
    object->AddProperty(
        QStringLiteral("BGColor"), [control] { return ScriptValue::FromString(control->BGColor()); },
        [control](const ScriptValue& v) { control->SetBGColor(v.ToString()); });
    object->AddMethod(
        QStringLiteral("SetVariable"),
        [control](ScriptArgs& a) {
            control->SetVariable(a[0].ToString(), a[1].ToString());
            return Nothing();
        },
        2, 2);
    object->AddMethod(
        QStringLiteral("TCallLabel"),
        [control](ScriptArgs& a) {
            control->TCallLabel(a[0].ToString(), a[1].ToString());
            return Nothing();
        },
        2, 2);
    return object;
}
