package vorlen.ui;

// Turns a path the player wrote into an address the movie can load. A path is resolved
// against the movie's own address (the player serves both from its scheme): an absolute
// path names the same file on disk, a relative one a file beside the movie. Backslashes
// become slashes, and characters that would end or change the path in an address ("#",
// "?", "%", blanks, letters beyond ASCII) are percent-encoded. Full addresses ("http:",
// "vorlen:") pass unchanged.
class Address {
    public static function of(path:String):String {
        if (path == null)
            return "";
        if (~/^[A-Za-z][A-Za-z0-9+.\-]+:/.match(path))
            return path;
        var slashed = StringTools.replace(path, "\\", "/");
        return StringTools.replace(StringTools.urlEncode(slashed), "%2F", "/");
    }

    // The last name of a path (after its last slash or backslash).
    public static function fileName(path:String):String {
        var cut = Std.int(Math.max(path.lastIndexOf("/"), path.lastIndexOf("\\")));
        return path.substr(cut + 1);
    }
}
