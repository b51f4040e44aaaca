import flash.external.ExternalInterface;

// The player's frame members on the video. The wrapper answers the calls the Flash control
// makes on every movie's frame host (vorlenPlay, vorlenStop, vorlenGoto, ...), counting the
// video's time in frames of a tenth of a second, and reports its position with
// vorlenFrame(frame, total, playing), so that the player's status timer sees the end of a
// video as the end of a movie: the last frame is reached only when the video has ended (or
// cannot be played). The wrapper registers the callbacks after the frame host the control
// inserts into every movie, so they reach the video rather than the wrapper's own timeline.
class VideoFrames {
    public static inline var PER_SECOND = 10;
    // Ticks between reports when nothing changed, so that a report of someone else does not
    // stand for long.
    static inline var REFRESH_TICKS = 15;

    var movie:VideoMovie;
    var lastReport = "";
    var quietTicks = 0;

    public function new(movie:VideoMovie) {
        this.movie = movie;
    }

    // Registers the callbacks and tells the page that the movie answers them.
    public function connect():Void {
        if (!ExternalInterface.available)
            return;
        try {
            ExternalInterface.addCallback("vorlenGoto", gotoFrame);
            ExternalInterface.addCallback("vorlenPlay", function() movie.playVideo());
            ExternalInterface.addCallback("vorlenStop", function() movie.pauseVideo());
            ExternalInterface.addCallback("vorlenNext", function() step(1));
            ExternalInterface.addCallback("vorlenPrev", function() step(-1));
            ExternalInterface.addCallback("vorlenCurrent", current);
            ExternalInterface.addCallback("vorlenTotal", total);
            ExternalInterface.call("vorlenHostReady");
        } catch (e:Dynamic) {
            // Without the page the video still plays with its own controls.
        }
    }

    function over():Bool {
        return movie.playback == "ended" || movie.playback == "failed";
    }

    // The frame of the video's time (0-based).
    function position():Int {
        return Std.int(Math.max(0, movie.currentTime()) * PER_SECOND);
    }

    // The video's length in frames, at least 2. While the length is unknown it stays one frame
    // ahead of the position.
    public function total():Int {
        if (movie.playback == "failed")
            return 2;
        if (movie.duration > 0)
            return Std.int(Math.max(2, Math.ceil(movie.duration * PER_SECOND)));
        return over() ? Std.int(Math.max(2, position() + 1)) : position() + 2;
    }

    // The current frame, 1-based: the last one only once the video is over.
    public function current():Int {
        var frames = total();
        if (over())
            return frames;
        return Std.int(Math.min(position(), frames - 2)) + 1;
    }

    function gotoFrame(frame:Dynamic, play:Dynamic):Void {
        var target:Float = Std.parseFloat(Std.string(frame));
        if (Math.isNaN(target))
            return;
        movie.seekVideo(Math.max(0, target - 1) / PER_SECOND, play == true);
    }

    function step(frames:Int):Void {
        movie.seekVideo(Math.max(0, movie.currentTime() + frames / PER_SECOND), false);
    }

    // Called every frame of the movie: reports a new position at once, an unchanged one now
    // and then.
    public function tick():Void {
        var report = current() + "/" + total() + "/" + (movie.playback == "playing");
        quietTicks++;
        if (report == lastReport && quietTicks < REFRESH_TICKS)
            return;
        lastReport = report;
        quietTicks = 0;
        if (!ExternalInterface.available)
            return;
        try {
            ExternalInterface.call("vorlenFrame", current(), total(), movie.playback == "playing");
        } catch (e:Dynamic) {}
    }
}
