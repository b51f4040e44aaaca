import flash.events.Event;
import flash.events.IOErrorEvent;
import flash.events.SecurityErrorEvent;
import flash.net.URLLoader;
import flash.net.URLLoaderDataFormat;
import flash.net.URLRequest;
import flash.utils.ByteArray;
import flash.utils.Endian;

// What a Flash Video file holds, read from its tags: whether it has pictures and in which
// codec, its sound format, its length (the latest time stamp) and, for the codecs that carry
// it plainly, the size of its pictures. The stream's own metadata may be missing; this
// reading is not.
class FlvProbe {
    // "ok", "unreadable" (no file) or "not-flv".
    public var status(default, null) = "unreadable";
    public var videoCodec(default, null) = -1;
    public var audioFormat(default, null) = -1;
    public var width(default, null) = 0;
    public var height(default, null) = 0;
    public var duration(default, null) = 0.0;

    public function new() {}

    public function hasVideo():Bool {
        return videoCodec >= 0;
    }

    // Loads the file at address and reads it; done follows in every case.
    public static function load(address:String, done:FlvProbe->Void):Void {
        var loader = new URLLoader();
        loader.dataFormat = URLLoaderDataFormat.BINARY;
        loader.addEventListener(Event.COMPLETE, function(_) done(read(cast(loader.data, ByteArray))));
        loader.addEventListener(IOErrorEvent.IO_ERROR, function(_) done(new FlvProbe()));
        loader.addEventListener(SecurityErrorEvent.SECURITY_ERROR, function(_) done(new FlvProbe()));
        try {
            loader.load(new URLRequest(address));
        } catch (e:Dynamic) {
            done(new FlvProbe());
        }
    }

    public static function read(bytes:ByteArray):FlvProbe {
        var probe = new FlvProbe();
        if (bytes == null)
            return probe;
        bytes.endian = Endian.BIG_ENDIAN;
        if (Std.int(bytes.length) < 9 || bytes[0] != 0x46 || bytes[1] != 0x4C || bytes[2] != 0x56) {
            probe.status = "not-flv";
            return probe;
        }
        probe.status = "ok";
        bytes.position = 5;
        var at = Std.int(bytes.readUnsignedInt()) + 4;
        var length = Std.int(bytes.length);
        // Every whole tag: the first picture and sound packets, and the latest time stamp
        // (a cut file has no trustworthy end).
        while (at + 11 <= length) {
            var type = bytes[at] & 0x1F;
            var size = (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3];
            var data = at + 11;
            if (data + size > length)
                break;
            var stamp = ((bytes[at + 7] << 24) | (bytes[at + 4] << 16) | (bytes[at + 5] << 8) | bytes[at + 6]) / 1000;
            if (stamp > probe.duration)
                probe.duration = stamp;
            if (type == 9 && size > 0 && probe.videoCodec < 0) {
                probe.videoCodec = bytes[data] & 0x0F;
                probe.readPictureSize(bytes, data + 1, size - 1);
            } else if (type == 8 && size > 0 && probe.audioFormat < 0) {
                probe.audioFormat = bytes[data] >> 4;
            }
            at = data + size + 4;
        }
        return probe;
    }

    // The picture size of a Sorenson H.263 or screen video packet.
    function readPictureSize(bytes:ByteArray, at:Int, size:Int):Void {
        if (videoCodec == 2 && size >= 8) {
            var bits = new BitReader(bytes, at);
            bits.skip(30);
            var code = bits.read(3);
            var fixed = [[0, 0], [0, 0], [352, 288], [176, 144], [128, 96], [320, 240], [160, 120], [640, 480]];
            if (code == 0 || code == 1) {
                var fieldBits = code == 0 ? 8 : 16;
                width = bits.read(fieldBits);
                height = bits.read(fieldBits);
            } else {
                width = fixed[code][0];
                height = fixed[code][1];
            }
        } else if (videoCodec == 3 && size >= 4) {
            width = ((bytes[at] & 0x0F) << 8) | bytes[at + 1];
            height = ((bytes[at + 2] & 0x0F) << 8) | bytes[at + 3];
        }
    }
}

// Reads bits, most significant first.
class BitReader {
    var bytes:ByteArray;
    var bit:Int;

    public function new(bytes:ByteArray, at:Int) {
        this.bytes = bytes;
        this.bit = at * 8;
    }

    public function skip(count:Int):Void {
        bit += count;
    }

    public function read(count:Int):Int {
        var value = 0;
        for (i in 0...count) {
            var index = bit >> 3;
            var set = index < Std.int(bytes.length) && (bytes[index] >> (7 - (bit & 7))) & 1 == 1;
            value = (value << 1) | (set ? 1 : 0);
            bit++;
        }
        return value;
    }
}
