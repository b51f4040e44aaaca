// One entry of the browse document: a movie (1), a projector (2) or a folder (3).
typedef BrowseItem = {
    jpeg:String,
    title:String,
    type:Int
}

class BrowseItems {
    public static inline var MOVIE = 1;
    public static inline var PROJECTOR = 2;
    public static inline var FOLDER = 3;

    // The JPEG, TITLE, TYPE triples of the document, in order; each JPEG begins an entry.
    public static function read(doc:vorlen.ui.Document):Array<BrowseItem> {
        var items:Array<BrowseItem> = [];
        var current:BrowseItem = null;
        for (entry in doc.entries) {
            switch (entry.name) {
                case "JPEG":
                    current = {jpeg: entry.value, title: "", type: MOVIE};
                    items.push(current);
                case "TITLE":
                    if (current != null)
                        current.title = entry.value;
                case "TYPE":
                    if (current != null) {
                        var type = Std.parseInt(StringTools.trim(entry.value));
                        current.type = type == null ? MOVIE : type;
                    }
                default:
            }
        }
        return items;
    }
}
