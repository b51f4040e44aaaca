#include "IncludeRules.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <set>

namespace {

// The folders below the main window, which it and the folders beside it may include.
const std::vector<const char*> kBelowPlayer
    = {"base", "swf", "media", "image", "script", "lang", "options", "playlist", "engine"};

std::vector<const char*> Plus(std::vector<const char*> folders, std::initializer_list<const char*> more)
{
    folders.insert(folders.end(), more);
    return folders;
}

using Graph = std::map<QString, std::map<QString, const IncludeEdge*>>;

Graph FolderGraph(const std::vector<IncludeEdge>& edges)
{
    Graph graph;
    for (const IncludeEdge& edge : edges) {
        if (edge.from != edge.to)
            graph[edge.from].try_emplace(edge.to, &edge);
    }
    return graph;
}

// The folders reachable from start through one edge or more, each with the folder it was
// first reached from.
std::map<QString, QString> Reach(const Graph& graph, const QString& start)
{
    std::map<QString, QString> cameFrom;
    QStringList queue{start};
    while (!queue.isEmpty()) {
        const QString folder = queue.takeFirst();
        const auto out = graph.find(folder);
        if (out == graph.end())
            continue;
        for (const auto& [to, edge] : out->second) {
            if (cameFrom.try_emplace(to, folder).second)
                queue << to;
        }
    }
    return cameFrom;
}

}  // namespace

const std::vector<FolderRule>& FolderRules()
{
    // The folders beside the main window reach each other only through the interfaces that
    // player/ declares, so none of them lists another.
    static const std::vector<FolderRule> rules = {
        {"base", {}},
        {"swf", {"base"}},
        {"media", {"base", "swf", "image"}},
        {"image", {"base", "swf"}},
        {"script", {"base", "swf"}},
        {"lang", {"base", "swf"}},
        {"options", {"base"}},
        {"playlist", {"base", "media", "options"}},
        {"engine", {"base", "swf", "media", "image"}},
        {"player", kBelowPlayer},
        {"skin", Plus(kBelowPlayer, {"player"})},
        {"browser", Plus(kBelowPlayer, {"player"})},
        {"update", Plus(kBelowPlayer, {"player"})},
        {"desktop", Plus(kBelowPlayer, {"player"})},
        {"app", Plus(kBelowPlayer, {"player", "skin", "browser", "update", "desktop"})},
    };
    return rules;
}

const QStringList& PrivateHeaders()
{
    // The main window itself: the folders beside it see it through its interfaces.
    static const QStringList headers = {QStringLiteral("player/Player.h")};
    return headers;
}

std::vector<IncludeEdge> ReadIncludes(const QString& root)
{
    static const QRegularExpression includeLine(QStringLiteral(R"re(^\s*#\s*include\s+"([^"]+)")re"));
    const QDir rootDir(root);
    QStringList files;
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << rootDir.relativeFilePath(it.next());
    files.sort();

    std::vector<IncludeEdge> edges;
    for (const QString& file : files) {
        QFile source(rootDir.filePath(file));
        if (!source.open(QIODevice::ReadOnly))
            continue;
        const QString from = file.section(QLatin1Char('/'), 0, 0);
        int line = 0;
        while (!source.atEnd()) {
            ++line;
            const QRegularExpressionMatch match = includeLine.match(QString::fromUtf8(source.readLine()));
            if (!match.hasMatch())
                continue;
            const QString include = match.captured(1);
            const QString to = include.contains(QLatin1Char('/')) ? include.section(QLatin1Char('/'), 0, 0) : from;
            edges.push_back({file, line, include, from, to});
        }
    }
    return edges;
}

QStringList BadEdges(
    const std::vector<IncludeEdge>& edges, const std::vector<FolderRule>& rules, const QStringList& privateHeaders)
{
    std::map<QString, std::set<QString>> allowed;
    for (const FolderRule& rule : rules) {
        auto& folders = allowed[QLatin1String(rule.folder)];
        for (const char* folder : rule.mayInclude)
            folders.insert(QLatin1String(folder));
    }
    QStringList bad;
    for (const IncludeEdge& edge : edges) {
        const QString where = QStringLiteral("%1:%2: \"%3\" - ").arg(edge.file).arg(edge.line).arg(edge.include);
        const auto rule = allowed.find(edge.from);
        if (rule == allowed.end())
            bad << where + QStringLiteral("folder %1 has no row in the table").arg(edge.from);
        else if (edge.from == edge.to)
            continue;
        else if (!allowed.contains(edge.to))
            bad << where + QStringLiteral("folder %1 has no row in the table").arg(edge.to);
        else if (!rule->second.contains(edge.to))
            bad << where + QStringLiteral("%1 may not include %2").arg(edge.from, edge.to);
        else if (privateHeaders.contains(edge.include) && edge.from != QLatin1String("app"))
            bad << where + QStringLiteral("only %1 and app include it").arg(edge.to);
    }
    return bad;
}

QStringList FolderCycles(const std::vector<IncludeEdge>& edges)
{
    const Graph graph = FolderGraph(edges);
    std::set<QString> folders;
    for (const auto& [from, out] : graph) {
        folders.insert(from);
        for (const auto& [to, edge] : out)
            folders.insert(to);
    }
    QStringList cycles;
    std::set<QString> inCycle;
    for (const QString& start : folders) {
        if (inCycle.contains(start))
            continue;
        const std::map<QString, QString> cameFrom = Reach(graph, start);
        if (!cameFrom.contains(start))
            continue;
        // Back from start to start along the first ways found, then written forwards with one
        // include of each step.
        QStringList path{start};
        for (QString folder = cameFrom.at(start); folder != start; folder = cameFrom.at(folder))
            path.prepend(folder);
        path.prepend(start);
        QString text = start;
        for (int i = 1; i < path.size(); ++i) {
            const IncludeEdge* edge = graph.at(path[i - 1]).at(path[i]);
            text += QStringLiteral(" -> %1 (%2: \"%3\")").arg(path[i], edge->file, edge->include);
            inCycle.insert(path[i]);
        }
        cycles << text;
    }
    return cycles;
}
