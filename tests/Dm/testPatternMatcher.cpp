#include <gtest/gtest.h>

#include <bitset>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "Dm/PatternMatcher.h"

using Error = CPatternMatcher::ECompileError;

namespace {

Error CompileError(const std::string& strPattern)
{
    CPatternMatcher matcher;
    matcher.Compile(strPattern);
    return matcher.GetCompileError();
}

int Find(const std::string& strPattern, const std::string& strText)
{
    CPatternMatcher matcher;
    matcher.Compile(strPattern);
    return matcher.Execute(strText);
}

// A second, independent reading of the same syntax that matches by sets of positions
// instead of backtracking: the first offset from which any end position is reachable is
// the answer the backtracking search must give, whatever hints it uses. Texts up to 63
// bytes.
class CReferenceMatcher {
public:
    bool Compile(const std::string& strPattern)
    {
        m_strPattern = strPattern;
        m_nPos = 0;
        m_nGroups = 0;
        m_Nodes.clear();
        m_bOk = true;
        bool bNullable = false;
        m_nRoot = ParseAlt(false, bNullable);
        return m_bOk;
    }

    int Execute(const std::string& strText) const
    {
        for (size_t k = 0; k <= strText.size(); ++k) {
            if (Ends(m_nRoot, uint64_t(1) << k, strText) != 0)
                return static_cast<int>(k);
        }
        return -1;
    }

private:
    enum EKind { Alt, Seq, Star, Plus, Opt, Any, Bol, Eol, Set, Char };
    struct SNode {
        EKind m_eKind;
        std::vector<int> m_Children;
        std::bitset<256> m_Set;
        bool m_bNegate = false;
    };

    int Add(EKind eKind, std::vector<int> children = {})
    {
        m_Nodes.push_back({eKind, std::move(children), {}, false});
        return static_cast<int>(m_Nodes.size()) - 1;
    }
    bool AtEnd() const { return m_nPos >= m_strPattern.size(); }
    unsigned char Peek() const { return AtEnd() ? 0 : static_cast<unsigned char>(m_strPattern[m_nPos]); }
    static bool IsRepeat(unsigned char c) { return c == '*' || c == '+' || c == '?'; }
    int Fail()
    {
        m_bOk = false;
        return Add(Alt);
    }

    int ParseAlt(bool bInGroup, bool& bNullable)
    {
        std::vector<int> branches;
        bNullable = false;
        for (;;) {
            bool bBranchNullable = true;
            std::vector<int> pieces;
            while (m_bOk && !AtEnd() && Peek() != '|' && Peek() != ')') {
                bool bAtomNullable = false;
                int nPiece = ParseAtom(bAtomNullable);
                bool bPieceNullable = bAtomNullable;
                if (m_bOk && IsRepeat(Peek())) {
                    const unsigned char op = Peek();
                    ++m_nPos;
                    if ((op != '?' && bAtomNullable) || IsRepeat(Peek()))
                        return Fail();
                    nPiece = Add(op == '*' ? Star : op == '+' ? Plus : Opt, {nPiece});
                    bPieceNullable = op != '+' || bAtomNullable;
                }
                bBranchNullable = bBranchNullable && bPieceNullable;
                pieces.push_back(nPiece);
            }
            if (!m_bOk)
                return Fail();
            bNullable = bNullable || bBranchNullable;
            branches.push_back(Add(Seq, pieces));
            if (Peek() != '|')
                break;
            ++m_nPos;
        }
        if (bInGroup ? Peek() != ')' : !AtEnd())
            return Fail();
        if (bInGroup)
            ++m_nPos;
        return Add(Alt, branches);
    }

    int ParseAtom(bool& bNullable)
    {
        bNullable = false;
        const unsigned char c = Peek();
        ++m_nPos;
        switch (c) {
            case '^':
                bNullable = true;
                return Add(Bol);
            case '$':
                bNullable = true;
                return Add(Eol);
            case '.':
                return Add(Any);
            case '(':
                if (++m_nGroups > 9)
                    return Fail();
                return ParseAlt(true, bNullable);
            case '*':
            case '+':
            case '?':
                return Fail();
            case '[':
                return ParseSet();
            case '\\': {
                if (AtEnd())
                    return Fail();
                const int n = Add(Char);
                m_Nodes[n].m_Set.set(Peek());
                ++m_nPos;
                return n;
            }
            default: {
                const int n = Add(Char);
                m_Nodes[n].m_Set.set(c);
                return n;
            }
        }
    }

    int ParseSet()
    {
        const int n = Add(Set);
        std::bitset<256> set;
        if (Peek() == '^') {
            m_Nodes[n].m_bNegate = true;
            ++m_nPos;
        }
        if (Peek() == ']' || Peek() == '-')
            set.set(Peek()), ++m_nPos;
        while (!AtEnd() && Peek() != ']') {
            if (Peek() != '-') {
                set.set(Peek()), ++m_nPos;
                continue;
            }
            ++m_nPos;
            if (AtEnd() || Peek() == ']') {
                set.set('-');
                continue;
            }
            const unsigned char first = static_cast<unsigned char>(m_strPattern[m_nPos - 2]);
            if (first > Peek())
                return Fail();
            for (int x = first; x <= Peek(); ++x)
                set.set(x);
            ++m_nPos;
        }
        if (AtEnd())
            return Fail();
        ++m_nPos;
        m_Nodes[n].m_Set = set;
        return n;
    }

    // The set of end positions reachable from the set of start positions.
    uint64_t Ends(int nNode, uint64_t in, const std::string& strText) const
    {
        const SNode& node = m_Nodes[nNode];
        const size_t nLength = strText.size();
        uint64_t out = 0;
        switch (node.m_eKind) {
            case Alt:
                for (int nChild : node.m_Children)
                    out |= Ends(nChild, in, strText);
                return out;
            case Seq:
                out = in;
                for (int nChild : node.m_Children)
                    out = Ends(nChild, out, strText);
                return out;
            case Opt:
                return in | Ends(node.m_Children[0], in, strText);
            case Plus:
            case Star: {
                uint64_t frontier = node.m_eKind == Star ? in : Ends(node.m_Children[0], in, strText);
                out = frontier;
                while (frontier != 0) {
                    frontier = Ends(node.m_Children[0], frontier, strText) & ~out;
                    out |= frontier;
                }
                return out;
            }
            case Bol:
                return in & 1;
            case Eol:
                return in & (uint64_t(1) << nLength);
            case Any:
            case Set:
            case Char:
                for (size_t p = 0; p < nLength; ++p) {
                    if (!(in & (uint64_t(1) << p)))
                        continue;
                    const unsigned char c = static_cast<unsigned char>(strText[p]);
                    bool bIn = node.m_eKind == Any || node.m_Set.test(c);
                    if (node.m_eKind == Set && node.m_bNegate)
                        bIn = !bIn;
                    if (bIn)
                        out |= uint64_t(1) << (p + 1);
                }
                return out;
        }
        return 0;
    }

    std::string m_strPattern;
    size_t m_nPos = 0;
    int m_nGroups = 0;
    bool m_bOk = true;
    int m_nRoot = 0;
    std::vector<SNode> m_Nodes;
};

std::string RandomString(std::mt19937& rng, const std::string& strAlphabet, size_t nMaxLength)
{
    std::uniform_int_distribution<size_t> length(0, nMaxLength);
    std::uniform_int_distribution<size_t> pick(0, strAlphabet.size() - 1);
    std::string str(length(rng), ' ');
    for (char& c : str)
        c = strAlphabet[pick(rng)];
    return str;
}

}  // namespace

TEST(PatternMatcher, ExtensionPatternOfTheSettings)
{
    const std::string strPattern = "^[a-zA-Z0-9][a-zA-Z0-9]?[a-zA-Z0-9]?$";
    for (const char* pszText : {"xls", "a", "x1", "CSV", "123"})
        EXPECT_TRUE(CPatternMatcher::Match(pszText, strPattern)) << pszText;
    for (const char* pszText : {"", "xlsx", "x_s", "xls ", " xls", "x.s"})
        EXPECT_FALSE(CPatternMatcher::Match(pszText, strPattern)) << pszText;
}

TEST(PatternMatcher, ExtensionPatternOfTheExportPage)
{
    const std::string strPattern = "^[a-zA-Z0-9]+$";
    EXPECT_TRUE(CPatternMatcher::Match("csv", strPattern));
    EXPECT_TRUE(CPatternMatcher::Match("data2024", strPattern));
    EXPECT_FALSE(CPatternMatcher::Match("", strPattern));
    EXPECT_FALSE(CPatternMatcher::Match("x.s", strPattern));
    // A NUL byte inside a text is a byte like any other, not its end.
    EXPECT_FALSE(CPatternMatcher::Match(std::string("ab\0c", 4), strPattern));
}

TEST(PatternMatcher, UnanchoredPatternsMatchAnywhere)
{
    EXPECT_EQ(Find("abc", "zzabczz"), 2);
    EXPECT_EQ(Find("abc", "zzab"), -1);
    EXPECT_EQ(Find("", "xyz"), 0);
    EXPECT_EQ(Find("", ""), 0);
    EXPECT_EQ(Find("$", "xyz"), 3);
    EXPECT_EQ(Find("^", "xyz"), 0);
    EXPECT_EQ(Find("c$", "cacbc"), 4);
    EXPECT_EQ(Find("^a|b", "zb"), 1);  // only the first alternative is anchored
}

TEST(PatternMatcher, BracketSets)
{
    // ] or - right after [ or [^ belongs to the set; a - before the closing ] is literal.
    EXPECT_TRUE(CPatternMatcher::Match("-", "^[-a]$"));
    EXPECT_TRUE(CPatternMatcher::Match("a", "^[-a]$"));
    EXPECT_FALSE(CPatternMatcher::Match("b", "^[-a]$"));
    EXPECT_TRUE(CPatternMatcher::Match("]", "^[]a]$"));
    EXPECT_TRUE(CPatternMatcher::Match("a", "^[]a]$"));
    EXPECT_FALSE(CPatternMatcher::Match("[", "^[]a]$"));
    EXPECT_TRUE(CPatternMatcher::Match("-", "^[a-]$"));
    EXPECT_FALSE(CPatternMatcher::Match("b", "^[a-]$"));
    EXPECT_FALSE(CPatternMatcher::Match("]", "^[^]a]$"));
    EXPECT_TRUE(CPatternMatcher::Match("b", "^[^]a]$"));
    EXPECT_FALSE(CPatternMatcher::Match("-", "^[^-]$"));
    // A range starts at the byte before the -, even when that byte ended an earlier range.
    EXPECT_TRUE(CPatternMatcher::Match("d", "^[a-c-e]$"));
    EXPECT_FALSE(CPatternMatcher::Match("-", "^[a-c-e]$"));
    EXPECT_TRUE(CPatternMatcher::Match("b", "^[a-a-c]$"));
    // Inside brackets the backslash is an ordinary byte.
    EXPECT_TRUE(CPatternMatcher::Match("\\", "^[\\]$"));
    // Bytes above 127 compare as unsigned.
    EXPECT_TRUE(CPatternMatcher::Match("\xe9", "^[\x80-\xff]$"));
    EXPECT_FALSE(CPatternMatcher::Match("e", "^[\x80-\xff]$"));
    // A NUL byte of the text is in no set, so a complemented set takes it.
    EXPECT_EQ(Find("[^x]", std::string("\0", 1)), 0);
    EXPECT_EQ(Find("[\x01-\xff]", std::string("\0", 1)), -1);
}

TEST(PatternMatcher, SpecialAndOrdinaryCharacters)
{
    EXPECT_TRUE(CPatternMatcher::Match(".", "^\\.$"));
    EXPECT_FALSE(CPatternMatcher::Match("x", "^\\.$"));
    EXPECT_TRUE(CPatternMatcher::Match("n", "^\\n$"));
    EXPECT_FALSE(CPatternMatcher::Match("\n", "^\\n$"));
    EXPECT_TRUE(CPatternMatcher::Match("a*b", "^a\\*b$"));
    EXPECT_TRUE(CPatternMatcher::Match("{}]-", "^{}]-$"));
    EXPECT_TRUE(CPatternMatcher::Match(std::string("a\0c", 3), "^a.c$"));
    EXPECT_FALSE(CPatternMatcher::Match("ABC", "abc"));  // case-sensitive
}

TEST(PatternMatcher, RepetitionScope)
{
    // ab* applies the star to b only; (ab)* to the group.
    EXPECT_TRUE(CPatternMatcher::Match("abbb", "^ab*$"));
    EXPECT_FALSE(CPatternMatcher::Match("abab", "^ab*$"));
    EXPECT_TRUE(CPatternMatcher::Match("abab", "^(ab)*$"));
    EXPECT_TRUE(CPatternMatcher::Match("", "^(ab)*$"));
    EXPECT_FALSE(CPatternMatcher::Match("abb", "^(ab)*$"));
    EXPECT_TRUE(CPatternMatcher::Match("ab", "^abc?$"));
    EXPECT_FALSE(CPatternMatcher::Match("a", "^abc?$"));
    EXPECT_TRUE(CPatternMatcher::Match("abcabc", "^(abc)+$"));
    EXPECT_FALSE(CPatternMatcher::Match("", "^(abc)+$"));
    EXPECT_TRUE(CPatternMatcher::Match("", "^(a|b)?$"));
}

TEST(PatternMatcher, CompilationErrors)
{
    EXPECT_EQ(CompileError("(((((((((a)))))))))"), Error::None);  // nine groups
    EXPECT_EQ(CompileError("((((((((((a))))))))))"), Error::TooManyGroups);
    EXPECT_EQ(CompileError("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)"), Error::TooManyGroups);
    EXPECT_EQ(CompileError("(a"), Error::UnmatchedOpen);
    EXPECT_EQ(CompileError("((a)"), Error::UnmatchedOpen);
    EXPECT_EQ(CompileError("a)"), Error::UnmatchedClose);
    EXPECT_EQ(CompileError(")"), Error::UnmatchedClose);
    EXPECT_EQ(CompileError("[abc"), Error::UnmatchedBracket);
    EXPECT_EQ(CompileError("[]"), Error::UnmatchedBracket);
    EXPECT_EQ(CompileError("[^]"), Error::UnmatchedBracket);
    EXPECT_EQ(CompileError("[a-"), Error::UnmatchedBracket);
    EXPECT_EQ(CompileError("[z-a]"), Error::InvalidRange);
    EXPECT_EQ(CompileError("[a-c-b]"), Error::InvalidRange);
    EXPECT_EQ(CompileError("ab\\"), Error::TrailingBackslash);
    EXPECT_EQ(CompileError("*a"), Error::RepeatFollowsNothing);
    EXPECT_EQ(CompileError("(+a)"), Error::RepeatFollowsNothing);
    EXPECT_EQ(CompileError("a|?"), Error::RepeatFollowsNothing);
    EXPECT_EQ(CompileError("(a*)*"), Error::RepeatOfEmpty);
    EXPECT_EQ(CompileError("()+"), Error::RepeatOfEmpty);
    EXPECT_EQ(CompileError("(a|)*"), Error::RepeatOfEmpty);
    EXPECT_EQ(CompileError("^*"), Error::RepeatOfEmpty);
    EXPECT_EQ(CompileError("(b?)+"), Error::RepeatOfEmpty);
    EXPECT_EQ(CompileError("a**"), Error::NestedRepeat);
    EXPECT_EQ(CompileError("a+?"), Error::NestedRepeat);
    EXPECT_EQ(CompileError("(ab)*+"), Error::NestedRepeat);
    EXPECT_EQ(CompileError(std::string("a\0b", 3)), Error::NulInPattern);
    // Accepted: ? may apply to what matches the empty string; empty groups and branches.
    EXPECT_EQ(CompileError("(a*)?"), Error::None);
    EXPECT_EQ(CompileError("^?a"), Error::None);
    EXPECT_EQ(CompileError("()"), Error::None);
    EXPECT_EQ(CompileError("a||b"), Error::None);
    EXPECT_EQ(CompileError("(|a)"), Error::None);

    // A pattern that does not compile matches nothing, and forgets an earlier program.
    EXPECT_FALSE(CPatternMatcher::Match("a", "a**"));
    EXPECT_FALSE(CPatternMatcher::Match("", "*a"));
    CPatternMatcher matcher;
    EXPECT_EQ(matcher.Execute("a"), -1);
    ASSERT_TRUE(matcher.Compile("a"));
    EXPECT_EQ(matcher.Execute("a"), 0);
    EXPECT_FALSE(matcher.Compile("a)"));
    EXPECT_EQ(matcher.Execute("a"), -1);
}

TEST(PatternMatcher, ProgramTooBigForSixteenBitOffsets)
{
    // Each full-range set is a 259-byte node.
    std::string strPattern;
    for (int i = 0; i < 260; ++i)
        strPattern += "[\x01-\xff]";
    CPatternMatcher matcher;
    EXPECT_FALSE(matcher.Compile(strPattern));
    EXPECT_EQ(matcher.GetCompileError(), Error::TooBig);

    strPattern.resize(240 * 5);
    ASSERT_TRUE(matcher.Compile(strPattern));
    EXPECT_LE(matcher.GetProgram().size(), CPatternMatcher::kMaxProgramSize);
    EXPECT_EQ(matcher.Execute(std::string(240, 'q')), 0);
    EXPECT_EQ(matcher.Execute(std::string(239, 'q')), -1);

    EXPECT_EQ(CompileError(std::string(70000, 'a')), Error::TooBig);
}

TEST(PatternMatcher, NodeProgramLayout)
{
    CPatternMatcher matcher;
    // BRANCH (next +10 to END), EXACTLY "abc" (next +7), END.
    ASSERT_TRUE(matcher.Compile("abc"));
    const std::vector<unsigned char> abc = {6, 0, 10, 8, 0, 7, 'a', 'b', 'c', 0, 0, 0, 0};
    EXPECT_EQ(matcher.GetProgram(), abc);

    // BRANCH, STAR (next +8 to END) whose operand node EXACTLY "a" follows it, END.
    ASSERT_TRUE(matcher.Compile("a*"));
    const std::vector<unsigned char> star = {6, 0, 11, 10, 0, 8, 8, 0, 0, 'a', 0, 0, 0, 0};
    EXPECT_EQ(matcher.GetProgram(), star);

    // The loop of a group under * closes with a BACK node pointing back to its BRANCH.
    ASSERT_TRUE(matcher.Compile("(a)*"));
    const std::vector<unsigned char>& loop = matcher.GetProgram();
    // BRANCH 0, BRANCH 3 (loop), OPEN1 6, BRANCH 9, EXACTLY 12, CLOSE1 17, BACK 20, ...
    ASSERT_GT(loop.size(), 23u);
    EXPECT_EQ(loop[6], CPatternMatcher::OPEN + 1);
    EXPECT_EQ(loop[17], CPatternMatcher::CLOSE + 1);
    EXPECT_EQ(loop[20], CPatternMatcher::BACK);
    EXPECT_EQ((loop[21] << 8) | loop[22], 20 - 3);
}

TEST(PatternMatcher, StarAndPlusBacktrackToALiteralAfter)
{
    CPatternMatcher matcher;
    ASSERT_TRUE(matcher.Compile("a*ab"));
    EXPECT_EQ(matcher.Execute("xaaab"), 1);
    EXPECT_EQ(matcher.GetGroupEnd(0), 5);
    ASSERT_TRUE(matcher.Compile("[0-9]+0"));
    EXPECT_EQ(matcher.Execute("1000"), 0);
    EXPECT_EQ(matcher.GetGroupEnd(0), 4);  // greedy: takes all it can
    EXPECT_EQ(matcher.Execute("0"), -1);
    ASSERT_TRUE(matcher.Compile(".*x"));
    EXPECT_EQ(matcher.Execute("abxcdxe"), 0);
    EXPECT_EQ(matcher.GetGroupEnd(0), 6);
    ASSERT_TRUE(matcher.Compile("a+b"));
    EXPECT_EQ(matcher.Execute("cab aab"), 1);
    ASSERT_TRUE(matcher.Compile("(ab)+abc"));
    EXPECT_EQ(matcher.Execute("xabababc"), 1);
    ASSERT_TRUE(matcher.Compile("x[^y]*y$"));
    EXPECT_EQ(matcher.Execute("xaaya"), -1);
    EXPECT_EQ(matcher.Execute("xaay"), 0);
}

TEST(PatternMatcher, GroupsAndAlternationOrder)
{
    CPatternMatcher matcher;
    // Alternatives are tried in pattern order; the first one with which the rest matches wins.
    ASSERT_TRUE(matcher.Compile("(a|ab)"));
    ASSERT_EQ(matcher.Execute("ab"), 0);
    EXPECT_EQ(matcher.GetGroupEnd(1), 1);
    ASSERT_TRUE(matcher.Compile("(ab|a)"));
    ASSERT_EQ(matcher.Execute("ab"), 0);
    EXPECT_EQ(matcher.GetGroupEnd(1), 2);
    ASSERT_TRUE(matcher.Compile("(a|ab)c"));
    ASSERT_EQ(matcher.Execute("abc"), 0);
    EXPECT_EQ(matcher.GetGroupEnd(1), 2);

    ASSERT_TRUE(matcher.Compile("x(a)(b)?(c)"));
    ASSERT_EQ(matcher.Execute("zxac"), 1);
    EXPECT_EQ(matcher.GetGroupStart(0), 1);
    EXPECT_EQ(matcher.GetGroupEnd(0), 4);
    EXPECT_EQ(matcher.GetGroupStart(1), 2);
    EXPECT_EQ(matcher.GetGroupStart(2), -1);
    EXPECT_EQ(matcher.GetGroupEnd(2), -1);
    EXPECT_EQ(matcher.GetGroupStart(3), 3);
    EXPECT_EQ(matcher.GetGroupStart(10), -1);

    // A repeated group keeps its last pass.
    ASSERT_TRUE(matcher.Compile("(a)*"));
    ASSERT_EQ(matcher.Execute("aaa"), 0);
    EXPECT_EQ(matcher.GetGroupStart(1), 2);
    EXPECT_EQ(matcher.GetGroupEnd(1), 3);
}

TEST(PatternMatcher, SearchHints)
{
    CPatternMatcher matcher;
    ASSERT_TRUE(matcher.Compile("^abc"));
    EXPECT_TRUE(matcher.IsAnchored());
    EXPECT_EQ(matcher.Execute("xabc"), -1);
    ASSERT_TRUE(matcher.Compile("abc"));
    EXPECT_EQ(matcher.GetRequiredFirst(), 'a');
    EXPECT_FALSE(matcher.IsAnchored());
    ASSERT_TRUE(matcher.Compile("x*ab*cde"));
    EXPECT_EQ(matcher.GetRequiredLiteral(), "cde");
    ASSERT_TRUE(matcher.Compile("ab|cd"));
    EXPECT_EQ(matcher.GetRequiredFirst(), -1);
    EXPECT_EQ(matcher.GetRequiredLiteral(), "");

    // Literals inside optional parts or groups are not required.
    ASSERT_TRUE(matcher.Compile("a*(bcd)?e"));
    EXPECT_EQ(matcher.GetRequiredLiteral(), "e");
    EXPECT_EQ(matcher.Execute("ae"), 0);
    ASSERT_TRUE(matcher.Compile("(xyz)*q"));
    EXPECT_EQ(matcher.Execute("q"), 0);
    ASSERT_TRUE(matcher.Compile("a?bc|d"));
    EXPECT_EQ(matcher.Execute("d"), 0);
    ASSERT_TRUE(matcher.Compile("[ab]*c[ab]*(dd)?"));
    EXPECT_EQ(matcher.GetRequiredLiteral(), "c");
    EXPECT_EQ(matcher.Execute("abab"), -1);
    EXPECT_EQ(matcher.Execute("bcd"), 0);
}

TEST(PatternMatcher, AgreesWithAReferenceOnRandomPatterns)
{
    std::mt19937 rng(20240611);
    const std::string strPatternAlphabet = "aab.[]-^$()|?*+\\";
    const std::string strTextAlphabet = "aab-]";
    int nCompiled = 0;
    int nMatches = 0;
    for (int i = 0; i < 30000; ++i) {
        const std::string strPattern = RandomString(rng, strPatternAlphabet, 10);
        CPatternMatcher matcher;
        CReferenceMatcher reference;
        const bool bCompiled = matcher.Compile(strPattern);
        ASSERT_EQ(bCompiled, reference.Compile(strPattern)) << "pattern " << strPattern;
        if (!bCompiled)
            continue;
        ++nCompiled;
        for (int j = 0; j < 8; ++j) {
            const std::string strText = RandomString(rng, strTextAlphabet, 9);
            const int nFound = matcher.Execute(strText);
            ASSERT_EQ(nFound, reference.Execute(strText)) << "pattern " << strPattern << " text " << strText;
            if (nFound < 0)
                continue;
            ++nMatches;
            // What the hints promise holds for every match.
            if (matcher.IsAnchored()) {
                EXPECT_EQ(nFound, 0);
            }
            if (matcher.GetRequiredFirst() >= 0) {
                EXPECT_EQ(static_cast<unsigned char>(strText[nFound]), matcher.GetRequiredFirst());
            }
            EXPECT_NE(strText.find(matcher.GetRequiredLiteral()), std::string::npos);
            for (int g = 0; g <= CPatternMatcher::kMaxGroups; ++g) {
                if (matcher.GetGroupStart(g) < 0)
                    continue;
                EXPECT_LE(matcher.GetGroupStart(g), matcher.GetGroupEnd(g));
                EXPECT_LE(matcher.GetGroupEnd(g), static_cast<int>(strText.size()));
            }
        }
    }
    // The sample must exercise both outcomes to mean anything.
    EXPECT_GT(nCompiled, 3000);
    EXPECT_GT(nMatches, 3000);
}

TEST(PatternMatcher, ArbitraryBytesNeverCrash)
{
    std::mt19937 rng(7);
    std::string strAllBytes;
    for (int c = 0; c < 256; ++c)
        strAllBytes += static_cast<char>(c);
    const std::string strMeta = "^$.[]()|?*+\\-ab";
    for (int i = 0; i < 20000; ++i) {
        const std::string strPattern = RandomString(rng, i % 2 ? strAllBytes : strMeta + strAllBytes, 24);
        const std::string strText = RandomString(rng, i % 3 ? strAllBytes : strMeta, 40);
        CPatternMatcher matcher;
        matcher.Compile(strPattern);
        const int nFound = matcher.Execute(strText);
        ASSERT_GE(nFound, -1);
        ASSERT_LE(nFound, static_cast<int>(strText.size()));
    }
}

TEST(PatternMatcher, SearchBoundsAbandonInsteadOfExhaustingTheStack)
{
    CPatternMatcher matcher;
    // Every pass through the loop opens new choices: deep recursion on a long text.
    ASSERT_TRUE(matcher.Compile("^(ab)*$"));
    std::string strLong;
    for (int i = 0; i < 100000; ++i)
        strLong += "ab";
    EXPECT_EQ(matcher.Execute(strLong), -1);
    EXPECT_TRUE(matcher.WasAbandoned());
    EXPECT_EQ(matcher.GetGroupStart(0), -1);
    // Within the bound the same pattern answers normally.
    EXPECT_EQ(matcher.Execute("ababab"), 0);
    EXPECT_FALSE(matcher.WasAbandoned());

    // Exponential backtracking (each a can be taken two ways) stops at the work bound.
    ASSERT_TRUE(matcher.Compile("(a|a)*[b]"));
    EXPECT_EQ(matcher.Execute(std::string(60, 'a')), -1);
    EXPECT_TRUE(matcher.WasAbandoned());

    // Simple repetitions need no recursion per byte: long texts are fine.
    ASSERT_TRUE(matcher.Compile("^[a-z]*$"));
    EXPECT_EQ(matcher.Execute(std::string(1000000, 'q')), 0);
}
