import flash.display.Shape;
import flash.display.Sprite;
import flash.events.Event;
import flash.events.MouseEvent;
import flash.events.NetStatusEvent;
import flash.media.Video;
import flash.net.NetConnection;
import flash.net.NetStream;
import vorlen.ui.Address;
import vorlen.ui.Document;
import vorlen.ui.Icons;
import vorlen.ui.Motion;
import vorlen.ui.Motion.Transition;
import vorlen.ui.Shapes;
import vorlen.ui.Theme;
import vorlen.ui.UiMovie;

// video.swf: plays the Flash Video named by the VIDEO document (SOURCE, WIDTH, HEIGHT) with
// its own controls: play/pause, a seek bar and the time. The picture fills the window
// (keeping its proportions); the controls fade while the video plays and the mouse rests.
// When the engine cannot show the pictures (a codec it does not decode, a file that holds
// only sound, a file it cannot read) the movie says so instead of showing a black window.
// The player drives it like any movie through VideoFrames.
@:allow(VideoFrames)
class VideoMovie extends UiMovie {
    static inline var WIDTH = 320;
    static inline var HEIGHT = 240;
    static inline var IDLE_MS = 2500;
    // The picture codecs the engine decodes: Sorenson H.263, screen video, VP6, VP6 with
    // alpha, H.264.
    static var DECODED = [2, 3, 4, 5, 7];
    static var CODEC_NAMES = ["", "JPEG", "Sorenson H.263", "Screen Video", "On2 VP6", "On2 VP6 with alpha", "Screen Video 2", "H.264"];

    var screen:Shape;
    var video:Video;
    var picture:Sprite;
    var bar:ControlBar;
    var bigButton:Sprite;
    var message:MessagePanel;
    var stream:NetStream;
    var address:String;
    var naturalWidth = 0;
    var naturalHeight = 0;
    var duration = 0.0;
    // "loading", "playing", "paused", "ended" or "failed".
    var playback = "loading";
    var hasPictures = true;
    var codec = -1;
    var lastMove = 0;
    var barFade:Transition;
    var barShown = true;
    var seekTarget = -1.0;
    var frames:VideoFrames;

    static function main() {
        new VideoMovie().start();
    }

    function new() {
        super(WIDTH, HEIGHT, true);
        var stage = flash.Lib.current.stage;
        screen = new Shape();
        addChild(screen);
        picture = new Sprite();
        video = new Video(WIDTH, HEIGHT);
        video.smoothing = true;
        picture.addChild(video);
        picture.addEventListener(MouseEvent.CLICK, function(_) toggle());
        addChild(picture);
        bigButton = new Sprite();
        bigButton.buttonMode = true;
        bigButton.visible = false;
        bigButton.addEventListener(MouseEvent.CLICK, function(_) toggle());
        addChild(bigButton);
        bar = new ControlBar();
        bar.onToggle = toggle;
        bar.seek.onSeek = seekTo;
        bar.visible = false;
        addChild(bar);
        area("toggle", bar.button);
        area("seek", bar.seek);
        area("picture", picture);
        area("bigButton", bigButton);
        stage.addEventListener(MouseEvent.MOUSE_MOVE, function(_) wake());
        stage.addEventListener(Event.MOUSE_LEAVE, function(_) lastMove = -IDLE_MS);
        addEventListener(Event.ENTER_FRAME, function(_) tick());
        layout();
        frames = new VideoFrames(this);
        frames.connect();
    }

    override function onDocument(document:Document):Void {
        var source = document == null ? "" : StringTools.trim(document.text("SOURCE"));
        texts.source = source;
        if (source == "") {
            fail(Icons.film, "No video to play", "The player gave no description of a video to read.");
            return;
        }
        var width = Std.parseInt(document.text("WIDTH"));
        var height = Std.parseInt(document.text("HEIGHT"));
        // The size the player read from the first picture is used until the stream or the
        // file tells better; implausible values are ignored.
        if (width != null && height != null && width > 0 && height > 0 && width <= 4096 && height <= 4096)
            setNaturalSize(width, height);
        address = Address.of(source);
        var connection = new NetConnection();
        connection.connect(null);
        stream = new NetStream(connection);
        var self = this;
        stream.client = {
            onMetaData: function(data:Dynamic) self.onMetaData(data),
            onCuePoint: function(data:Dynamic) {},
            onPlayStatus: function(data:Dynamic) {},
            onXMPData: function(data:Dynamic) {}
        };
        stream.addEventListener(NetStatusEvent.NET_STATUS, onStatus);
        video.attachNetStream(stream);
        stream.play(address);
        playback = "playing";
        bar.visible = true;
        showState();
        FlvProbe.load(address, onProbe);
        layout();
    }

    function onMetaData(data:Dynamic):Void {
        if (data == null)
            return;
        var d = number(Reflect.field(data, "duration"));
        if (d > 0)
            duration = d;
        var w = number(Reflect.field(data, "width"));
        var h = number(Reflect.field(data, "height"));
        if (w > 0 && h > 0 && w <= 4096 && h <= 4096)
            setNaturalSize(Math.round(w), Math.round(h));
    }

    function onProbe(probe:FlvProbe):Void {
        if (duration <= 0 && probe.duration > 0)
            duration = probe.duration;
        if (probe.status == "unreadable") {
            fail(Icons.warning, "The video cannot be played", "Its file could not be read.");
            return;
        }
        if (probe.status == "not-flv") {
            fail(Icons.warning, "The video cannot be played", "This file is not a Flash Video (FLV) file.");
            return;
        }
        codec = probe.videoCodec;
        if (!probe.hasVideo()) {
            hasPictures = false;
            explain(Icons.note, Theme.ACCENT, "Sound only", "This Flash Video file holds no pictures.");
        } else if (DECODED.indexOf(probe.videoCodec) < 0) {
            hasPictures = false;
            var name = probe.videoCodec < CODEC_NAMES.length ? CODEC_NAMES[probe.videoCodec] : "codec " + probe.videoCodec;
            explain(Icons.film, Theme.ERROR_ICON, "This video cannot be shown",
                "Its pictures are stored as " + name + ", which the player cannot decode.");
        } else if (naturalWidth == 0 && probe.width > 0 && probe.height > 0) {
            setNaturalSize(probe.width, probe.height);
        }
    }

    function onStatus(e:NetStatusEvent):Void {
        var code:String = e.info != null ? e.info.code : "";
        switch (code) {
            case "NetStream.Play.StreamNotFound" | "NetStream.Play.Failed" | "NetStream.Play.FileStructureInvalid":
                fail(Icons.warning, "The video cannot be played", "Its file could not be read.");
            case "NetStream.Play.Stop":
                if (playback == "playing") {
                    playback = "ended";
                    // A length read from time stamps that jump is corrected by the end itself.
                    if (stream.time > 0 && (duration <= 0 || duration > stream.time + 1))
                        duration = stream.time;
                    showState();
                }
            case "NetStream.Play.Start":
                if (playback == "ended")
                    playback = "playing";
            default:
        }
    }

    // Play, pause, or play again from the start after the end.
    function toggle():Void {
        if (stream == null || playback == "failed" || playback == "loading")
            return;
        switch (playback) {
            case "playing":
                stream.pause();
                playback = "paused";
            case "paused":
                stream.resume();
                playback = "playing";
            case "ended":
                stream.play(address);
                playback = "playing";
            default:
        }
        showState();
    }

    function seekTo(fraction:Float, finished:Bool):Void {
        if (stream == null || duration <= 0)
            return;
        seekTarget = fraction * duration;
        bar.showTime(clock(seekTarget) + " / " + clock(duration));
        if (!finished)
            return;
        if (playback == "ended") {
            stream.play(address);
            playback = "playing";
        }
        stream.seek(seekTarget);
        seekTarget = -1;
        showState();
    }

    function showState():Void {
        bar.showButton(playback == "playing" ? "pause" : (playback == "ended" ? "replay" : "play"));
        var still = playback == "paused" || playback == "ended";
        bigButton.visible = still && message == null;
        paintBigButton();
        wake();
    }

    // The player's calls (VideoFrames): play, pause, and go to a time, playing or paused.
    function playVideo():Void {
        if (playback == "paused" || playback == "ended")
            toggle();
    }

    function pauseVideo():Void {
        if (playback == "playing")
            toggle();
    }

    function seekVideo(seconds:Float, play:Bool):Void {
        if (stream == null || playback == "failed" || playback == "loading")
            return;
        if (playback == "ended")
            stream.play(address);
        stream.seek(duration > 0 ? Math.min(seconds, duration) : seconds);
        if (play)
            stream.resume();
        else
            stream.pause();
        playback = play ? "playing" : "paused";
        showState();
    }

    function currentTime():Float {
        if (stream == null)
            return 0;
        return playback == "ended" && duration > 0 ? duration : stream.time;
    }

    // The player's opacity arrives as the movie's "_alpha".
    override function onVariable(name:String, value:String):Void {
        var percent = Std.parseFloat(value);
        if (name == "_alpha" && !Math.isNaN(percent))
            alpha = Math.max(0, Math.min(100, percent)) / 100;
    }

    function tick():Void {
        frames.tick();
        if (stream == null || playback == "failed")
            return;
        var now = stream.time;
        if (seekTarget < 0) {
            bar.showTime(clock(now) + (duration > 0 ? " / " + clock(duration) : ""));
            bar.seek.show(duration > 0 ? now / duration : 0);
        }
        var idle = flash.Lib.getTimer() - lastMove >= IDLE_MS;
        var keep = playback != "playing" || bar.seek.dragging || bar.hitTestPoint(stage.mouseX, stage.mouseY, false) && !idle;
        if (idle && !keep)
            showBar(false);
    }

    function wake():Void {
        lastMove = flash.Lib.getTimer();
        if (stream != null && playback != "failed")
            showBar(true);
    }

    function showBar(shown:Bool):Void {
        if (shown == barShown)
            return;
        barShown = shown;
        Motion.cancel(barFade);
        var from = bar.alpha;
        var to = shown ? 1.0 : 0.0;
        bar.visible = true;
        barFade = Motion.run(shown ? 120 : 400, function(t) bar.alpha = from + (to - from) * t, function() bar.visible = shown);
    }

    function setNaturalSize(width:Int, height:Int):Void {
        naturalWidth = width;
        naturalHeight = height;
        layout();
    }

    // A message in place of the picture; the controls stay when there is sound to play.
    function explain(icon:vorlen.ui.Icons.IconPainter, colour:Int, title:String, detail:String):Void {
        if (message != null)
            removeChild(message);
        message = new MessagePanel(icon, colour, title, detail, stageWidth());
        addChildAt(message, getChildIndex(bar));
        texts.message = title;
        texts.detail = detail;
        bigButton.visible = false;
        layout();
    }

    function fail(icon:vorlen.ui.Icons.IconPainter, title:String, detail:String):Void {
        playback = "failed";
        hasPictures = false;
        if (stream != null)
            stream.close();
        bar.visible = false;
        explain(icon, Theme.ERROR_ICON, title, detail);
    }

    override function resized(width:Float, height:Float):Void {
        layout();
    }

    function layout():Void {
        var width = stageWidth();
        var height = stageHeight();
        screen.graphics.clear();
        screen.graphics.beginFill(0x000000);
        screen.graphics.drawRect(0, 0, width, height);
        screen.graphics.endFill();
        // The picture at its own proportions, as large as the window allows.
        var w = naturalWidth > 0 ? naturalWidth : width;
        var h = naturalHeight > 0 ? naturalHeight : height;
        var scale = Math.min(width / w, height / h);
        video.width = Math.round(w * scale);
        video.height = Math.round(h * scale);
        video.x = Math.round((width - video.width) / 2);
        video.y = Math.round((height - video.height) / 2);
        video.visible = hasPictures;
        picture.graphics.clear();
        picture.graphics.beginFill(0, 0.001);
        picture.graphics.drawRect(0, 0, width, height);
        picture.graphics.endFill();
        bar.y = height - ControlBar.HEIGHT;
        bar.resize(width);
        if (message != null) {
            message.x = Math.round((width - message.width) / 2);
            message.y = Math.round(Math.max(8, (height - ControlBar.HEIGHT - message.height) / 2));
        }
        paintBigButton();
    }

    function paintBigButton():Void {
        var size = Math.min(72, Math.min(stageWidth(), stageHeight()) / 3);
        var g = bigButton.graphics;
        g.clear();
        g.beginFill(0x000000, 0.55);
        g.drawCircle(size / 2, size / 2, size / 2);
        g.endFill();
        Shapes.ring(g, size / 2, size / 2, size / 2 - 1, 2, Theme.ACCENT, 0.9);
        if (playback == "ended")
            Icons.replay(g, size * 0.2, size * 0.2, size * 0.6, 0xFFFFFF);
        else
            Icons.play(g, size * 0.24, size * 0.2, size * 0.6, 0xFFFFFF);
        bigButton.x = Math.round((stageWidth() - size) / 2);
        bigButton.y = Math.round((stageHeight() - ControlBar.HEIGHT - size) / 2 + ControlBar.HEIGHT / 2);
    }

    override function describe():Dynamic {
        var description = super.describe();
        description.playback = playback;
        description.pictures = hasPictures;
        description.codec = codec;
        description.time = stream == null ? 0 : stream.time;
        description.duration = duration;
        description.size = {w: video.width, h: video.height};
        texts.time = bar.timeText();
        return description;
    }

    // A metadata value as a number; 0 when it is missing or not a number.
    static function number(value:Dynamic):Float {
        if (value == null)
            return 0;
        var n:Float = Std.parseFloat(Std.string(value));
        return Math.isNaN(n) ? 0 : n;
    }

    // Seconds as m:ss, or h:mm:ss from an hour on.
    static function clock(seconds:Float):String {
        var total = Std.int(Math.max(0, seconds));
        var h = Std.int(total / 3600);
        var m = Std.int((total % 3600) / 60);
        var s = total % 60;
        var ss = (s < 10 ? "0" : "") + s;
        return h > 0 ? h + ":" + (m < 10 ? "0" : "") + m + ":" + ss : m + ":" + ss;
    }
}
