#include "Dm/PatternMatcher.h"

#include <climits>
#include <cstring>

namespace {

using ECompileError = CPatternMatcher::ECompileError;

constexpr int kHeaderSize = 3;  // opcode byte and 16-bit next offset
constexpr int kNone = -1;       // no node / failed compilation
const char kMeta[] = "^$.[()|?+*\\";

// What the compiler knows about a piece of program.
enum EPieceFlags {
    WORST = 0,     // may match the empty string, not a single byte
    HASWIDTH = 1,  // never matches the empty string
    SIMPLE = 2,    // exactly one byte: may be the operand of STAR and PLUS
    SPSTART = 4    // starts with * or ?
};

bool IsRepeat(int c)
{
    return c == '*' || c == '+' || c == '?';
}

// Turns a pattern into the node program. Run twice: once without a buffer to measure the
// program, once with a buffer of the measured size to write it. Both passes take exactly
// the same decisions, so the second one never writes beyond the measured size; the writes
// are checked all the same.
class CProgramBuilder {
public:
    CProgramBuilder(const std::string& strPattern, std::vector<unsigned char>* pProgram)
        : m_strPattern(strPattern), m_pProgram(pProgram)
    {
    }

    // The flags of the whole pattern, or kNone on failure.
    int Build()
    {
        int nFlags = 0;
        if (Reg(false, nFlags) == kNone)
            return kNone;
        return nFlags;
    }

    size_t Size() const { return m_nSize; }
    ECompileError Error() const { return m_eError; }

private:
    // The current pattern byte, 0 at the end (patterns never hold NUL bytes).
    int Peek() const
    {
        return m_nPos < m_strPattern.size() ? static_cast<unsigned char>(m_strPattern[m_nPos]) : 0;
    }
    bool AtEnd() const { return m_nPos >= m_strPattern.size(); }

    int Fail(ECompileError eError)
    {
        if (m_eError == ECompileError::None)
            m_eError = eError;
        return kNone;
    }

    bool Writing() const { return m_pProgram != nullptr; }

    int Node(int nOp)
    {
        const int nPos = static_cast<int>(m_nSize);
        Byte(nOp);
        Byte(0);
        Byte(0);
        return nPos;
    }

    void Byte(int c)
    {
        if (Writing()) {
            if (m_nSize >= m_pProgram->size()) {
                Fail(ECompileError::TooBig);
                return;
            }
            (*m_pProgram)[m_nSize] = static_cast<unsigned char>(c);
        }
        ++m_nSize;
    }

    // Puts a node of the given opcode in front of the operand that starts at nOperand.
    void Insert(int nOp, int nOperand)
    {
        if (Writing()) {
            std::vector<unsigned char>& code = *m_pProgram;
            if (m_nSize + kHeaderSize > code.size()) {
                Fail(ECompileError::TooBig);
                return;
            }
            std::memmove(&code[nOperand + kHeaderSize], &code[nOperand], m_nSize - nOperand);
            code[nOperand] = static_cast<unsigned char>(nOp);
            code[nOperand + 1] = 0;
            code[nOperand + 2] = 0;
        }
        m_nSize += kHeaderSize;
    }

    int Next(int nNode) const
    {
        if (!Writing())
            return kNone;
        const std::vector<unsigned char>& code = *m_pProgram;
        const int nOffset = (code[nNode + 1] << 8) | code[nNode + 2];
        if (nOffset == 0)
            return kNone;
        return code[nNode] == CPatternMatcher::BACK ? nNode - nOffset : nNode + nOffset;
    }

    // Sets the next offset of the last node of the chain that starts at nNode.
    void Tail(int nNode, int nTarget)
    {
        if (!Writing() || nNode == kNone || nTarget == kNone)
            return;
        int nScan = nNode;
        for (int nNext = Next(nScan); nNext != kNone; nNext = Next(nScan))
            nScan = nNext;
        std::vector<unsigned char>& code = *m_pProgram;
        const int nOffset = code[nScan] == CPatternMatcher::BACK ? nScan - nTarget : nTarget - nScan;
        if (nOffset <= 0 || nOffset > 0xFFFF) {
            Fail(ECompileError::TooBig);
            return;
        }
        code[nScan + 1] = static_cast<unsigned char>(nOffset >> 8);
        code[nScan + 2] = static_cast<unsigned char>(nOffset & 0xFF);
    }

    // Tail on the body of a BRANCH node; nothing for other nodes.
    void OpTail(int nNode, int nTarget)
    {
        if (!Writing() || nNode == kNone || (*m_pProgram)[nNode] != CPatternMatcher::BRANCH)
            return;
        Tail(nNode + kHeaderSize, nTarget);
    }

    // pattern: branch ( | branch )*, inside a group when bParen.
    int Reg(bool bParen, int& nFlags)
    {
        nFlags = HASWIDTH;
        int nGroup = 0;
        int nRet = kNone;
        if (bParen) {
            if (m_nGroups > CPatternMatcher::kMaxGroups)
                return Fail(ECompileError::TooManyGroups);
            nGroup = m_nGroups++;
            nRet = Node(CPatternMatcher::OPEN + nGroup);
        }

        int nBranchFlags = 0;
        int nBranch = Branch(nBranchFlags);
        if (nBranch == kNone)
            return kNone;
        if (nRet != kNone)
            Tail(nRet, nBranch);
        else
            nRet = nBranch;
        if (!(nBranchFlags & HASWIDTH))
            nFlags &= ~HASWIDTH;
        nFlags |= nBranchFlags & SPSTART;
        while (Peek() == '|') {
            ++m_nPos;
            nBranch = Branch(nBranchFlags);
            if (nBranch == kNone)
                return kNone;
            Tail(nRet, nBranch);
            if (!(nBranchFlags & HASWIDTH))
                nFlags &= ~HASWIDTH;
            nFlags |= nBranchFlags & SPSTART;
        }

        const int nEnder = Node(bParen ? CPatternMatcher::CLOSE + nGroup : CPatternMatcher::END);
        Tail(nRet, nEnder);
        // Every branch body continues with the closing node.
        for (int nScan = nRet; nScan != kNone; nScan = Next(nScan))
            OpTail(nScan, nEnder);

        if (bParen) {
            if (Peek() != ')')
                return Fail(ECompileError::UnmatchedOpen);
            ++m_nPos;
        } else if (!AtEnd()) {
            return Fail(Peek() == ')' ? ECompileError::UnmatchedClose : ECompileError::TrailingText);
        }
        return m_eError == ECompileError::None ? nRet : kNone;
    }

    // branch: piece*, possibly empty.
    int Branch(int& nFlags)
    {
        nFlags = WORST;
        const int nRet = Node(CPatternMatcher::BRANCH);
        int nChain = kNone;
        while (!AtEnd() && Peek() != '|' && Peek() != ')') {
            int nPieceFlags = 0;
            const int nLatest = Piece(nPieceFlags);
            if (nLatest == kNone)
                return kNone;
            nFlags |= nPieceFlags & HASWIDTH;
            if (nChain == kNone)
                nFlags |= nPieceFlags & SPSTART;
            else
                Tail(nChain, nLatest);
            nChain = nLatest;
        }
        if (nChain == kNone)
            Node(CPatternMatcher::NOTHING);
        return nRet;
    }

    // piece: atom, optionally followed by * + or ?.
    int Piece(int& nFlags)
    {
        int nAtomFlags = 0;
        const int nRet = Atom(nAtomFlags);
        if (nRet == kNone)
            return kNone;
        const int op = Peek();
        if (!IsRepeat(op)) {
            nFlags = nAtomFlags;
            return nRet;
        }
        if (!(nAtomFlags & HASWIDTH) && op != '?')
            return Fail(ECompileError::RepeatOfEmpty);
        nFlags = op != '+' ? (WORST | SPSTART) : (WORST | HASWIDTH);

        if (op == '*' && (nAtomFlags & SIMPLE)) {
            Insert(CPatternMatcher::STAR, nRet);
        } else if (op == '*') {
            // x* becomes a loop: BRANCH(x BACK to the loop) BRANCH(NOTHING).
            Insert(CPatternMatcher::BRANCH, nRet);
            OpTail(nRet, Node(CPatternMatcher::BACK));
            OpTail(nRet, nRet);
            Tail(nRet, Node(CPatternMatcher::BRANCH));
            Tail(nRet, Node(CPatternMatcher::NOTHING));
        } else if (op == '+' && (nAtomFlags & SIMPLE)) {
            Insert(CPatternMatcher::PLUS, nRet);
        } else if (op == '+') {
            // x+ becomes x BRANCH(BACK to x) BRANCH(NOTHING).
            const int nNext = Node(CPatternMatcher::BRANCH);
            Tail(nRet, nNext);
            Tail(Node(CPatternMatcher::BACK), nRet);
            Tail(nNext, Node(CPatternMatcher::BRANCH));
            Tail(nRet, Node(CPatternMatcher::NOTHING));
        } else {
            // x? becomes BRANCH(x) BRANCH(NOTHING).
            Insert(CPatternMatcher::BRANCH, nRet);
            Tail(nRet, Node(CPatternMatcher::BRANCH));
            const int nNext = Node(CPatternMatcher::NOTHING);
            Tail(nRet, nNext);
            OpTail(nRet, nNext);
        }
        ++m_nPos;
        if (IsRepeat(Peek()))
            return Fail(ECompileError::NestedRepeat);
        return m_eError == ECompileError::None ? nRet : kNone;
    }

    int Atom(int& nFlags)
    {
        nFlags = WORST;
        int nRet = kNone;
        const int c = Peek();
        ++m_nPos;
        switch (c) {
            case '^':
                nRet = Node(CPatternMatcher::BOL);
                break;
            case '$':
                nRet = Node(CPatternMatcher::EOL);
                break;
            case '.':
                nRet = Node(CPatternMatcher::ANY);
                nFlags |= HASWIDTH | SIMPLE;
                break;
            case '[':
                nRet = Bracket();
                if (nRet == kNone)
                    return kNone;
                nFlags |= HASWIDTH | SIMPLE;
                break;
            case '(': {
                int nGroupFlags = 0;
                nRet = Reg(true, nGroupFlags);
                if (nRet == kNone)
                    return kNone;
                nFlags |= nGroupFlags & (HASWIDTH | SPSTART);
                break;
            }
            case '?':
            case '+':
            case '*':
                return Fail(ECompileError::RepeatFollowsNothing);
            case '\\':
                if (AtEnd())
                    return Fail(ECompileError::TrailingBackslash);
                nRet = Node(CPatternMatcher::EXACTLY);
                Byte(Peek());
                Byte(0);
                ++m_nPos;
                nFlags |= HASWIDTH | SIMPLE;
                break;
            default: {
                // The callers stop at the end, at | and at ), so c is an ordinary byte here.
                --m_nPos;
                size_t nLength = std::strcspn(m_strPattern.c_str() + m_nPos, kMeta);
                if (nLength == 0)
                    return Fail(ECompileError::TrailingText);
                // The operator after a run applies to its last byte alone.
                if (nLength > 1 && IsRepeat(m_nPos + nLength < m_strPattern.size()
                                                ? static_cast<unsigned char>(m_strPattern[m_nPos + nLength])
                                                : 0))
                    --nLength;
                nFlags |= HASWIDTH;
                if (nLength == 1)
                    nFlags |= SIMPLE;
                nRet = Node(CPatternMatcher::EXACTLY);
                for (; nLength > 0; --nLength)
                    Byte(static_cast<unsigned char>(m_strPattern[m_nPos++]));
                Byte(0);
                break;
            }
        }
        return nRet;
    }

    // [set] or [^set]; the opening [ is already consumed.
    int Bracket()
    {
        int nRet;
        if (Peek() == '^') {
            nRet = Node(CPatternMatcher::ANYBUT);
            ++m_nPos;
        } else {
            nRet = Node(CPatternMatcher::ANYOF);
        }
        if (Peek() == ']' || Peek() == '-') {
            Byte(Peek());
            ++m_nPos;
        }
        while (!AtEnd() && Peek() != ']') {
            if (Peek() == '-') {
                ++m_nPos;
                if (AtEnd() || Peek() == ']') {
                    Byte('-');
                } else {
                    // The byte before the '-' starts the range, even when it ended an earlier
                    // range; it is already in the set.
                    const int nFirst = static_cast<unsigned char>(m_strPattern[m_nPos - 2]);
                    const int nLast = Peek();
                    if (nFirst > nLast)
                        return Fail(ECompileError::InvalidRange);
                    for (int c = nFirst + 1; c <= nLast; ++c)
                        Byte(c);
                    ++m_nPos;
                }
            } else {
                Byte(Peek());
                ++m_nPos;
            }
        }
        Byte(0);
        if (Peek() != ']')
            return Fail(ECompileError::UnmatchedBracket);
        ++m_nPos;
        return nRet;
    }

    const std::string& m_strPattern;
    std::vector<unsigned char>* m_pProgram;
    size_t m_nPos = 0;
    size_t m_nSize = 0;
    int m_nGroups = 1;
    ECompileError m_eError = ECompileError::None;
};

}  // namespace

bool CPatternMatcher::Compile(const std::string& strPattern)
{
    m_Program.clear();
    m_eError = ECompileError::None;
    m_nRequiredFirst = -1;
    m_bAnchored = false;
    m_strRequired.clear();

    if (strPattern.find('\0') != std::string::npos) {
        m_eError = ECompileError::NulInPattern;
        return false;
    }
    // Patterns are a few dozen bytes; refusing absurdly long ones outright bounds the work
    // of the measuring pass.
    if (strPattern.size() > kMaxProgramSize) {
        m_eError = ECompileError::TooBig;
        return false;
    }

    CProgramBuilder measure(strPattern, nullptr);
    if (measure.Build() == kNone) {
        m_eError = measure.Error();
        return false;
    }
    // With the whole program within 16 bits every offset fits too.
    if (measure.Size() > kMaxProgramSize) {
        m_eError = ECompileError::TooBig;
        return false;
    }

    std::vector<unsigned char> program(measure.Size(), 0);
    CProgramBuilder write(strPattern, &program);
    const int nFlags = write.Build();
    if (nFlags == kNone || write.Size() != program.size()) {
        m_eError = write.Error() != ECompileError::None ? write.Error() : ECompileError::TooBig;
        return false;
    }
    m_Program.swap(program);

    // Hints, only when there is a single top-level alternative.
    int nScan = 0;
    const int nNext = NextNode(nScan);
    if (nNext != kNone && Op(nNext) == END) {
        nScan += kHeaderSize;
        if (Op(nScan) == EXACTLY)
            m_nRequiredFirst = static_cast<unsigned char>(*Operand(nScan));
        else if (Op(nScan) == BOL)
            m_bAnchored = true;
        // When the pattern starts with a repetition, the first-byte test cannot help; the
        // longest literal on the main chain must appear in every match.
        if (nFlags & SPSTART) {
            const char* pLongest = nullptr;
            size_t nLongest = 0;
            for (; nScan != kNone; nScan = NextNode(nScan)) {
                if (Op(nScan) == EXACTLY && std::strlen(Operand(nScan)) >= nLongest) {
                    pLongest = Operand(nScan);
                    nLongest = std::strlen(pLongest);
                }
            }
            if (pLongest != nullptr)
                m_strRequired.assign(pLongest, nLongest);
        }
    }
    return true;
}

int CPatternMatcher::NextNode(int nNode) const
{
    const int nOffset = (m_Program[nNode + 1] << 8) | m_Program[nNode + 2];
    if (nOffset == 0)
        return kNone;
    const int nNext = Op(nNode) == BACK ? nNode - nOffset : nNode + nOffset;
    if (nNext < 0 || static_cast<size_t>(nNext) + kHeaderSize > m_Program.size())
        return kNone;
    return nNext;
}

const char* CPatternMatcher::Operand(int nNode) const
{
    return reinterpret_cast<const char*>(m_Program.data() + nNode + kHeaderSize);
}

int CPatternMatcher::GetGroupStart(int nGroup) const
{
    return nGroup >= 0 && nGroup <= kMaxGroups ? m_GroupStart[nGroup] : -1;
}

int CPatternMatcher::GetGroupEnd(int nGroup) const
{
    return nGroup >= 0 && nGroup <= kMaxGroups ? m_GroupEnd[nGroup] : -1;
}

bool CPatternMatcher::Match(const std::string& strText, const std::string& strPattern)
{
    CPatternMatcher matcher;
    return matcher.Compile(strPattern) && matcher.Execute(strText) >= 0;
}

int CPatternMatcher::Execute(const std::string& strText)
{
    for (int i = 0; i <= kMaxGroups; ++i)
        m_GroupStart[i] = m_GroupEnd[i] = -1;
    m_bAbandoned = false;
    if (!IsCompiled() || strText.size() > static_cast<size_t>(INT_MAX))
        return -1;

    if (!m_strRequired.empty() && strText.find(m_strRequired) == std::string::npos)
        return -1;

    m_pText = reinterpret_cast<const unsigned char*>(strText.data());
    m_nTextLength = static_cast<int>(strText.size());
    m_nSteps = 0;

    int nResult = -1;
    if (m_bAnchored) {
        if (TryAt(0))
            nResult = 0;
    } else if (m_nRequiredFirst >= 0) {
        const char cFirst = static_cast<char>(m_nRequiredFirst);
        for (size_t nPos = strText.find(cFirst); nPos != std::string::npos && !m_bAbandoned;
             nPos = strText.find(cFirst, nPos + 1)) {
            if (TryAt(static_cast<int>(nPos))) {
                nResult = static_cast<int>(nPos);
                break;
            }
        }
    } else {
        for (int nPos = 0; nPos <= m_nTextLength && !m_bAbandoned; ++nPos) {
            if (TryAt(nPos)) {
                nResult = nPos;
                break;
            }
        }
    }
    m_pText = nullptr;
    if (m_bAbandoned) {
        for (int i = 0; i <= kMaxGroups; ++i)
            m_GroupStart[i] = m_GroupEnd[i] = -1;
        return -1;
    }
    return nResult;
}

bool CPatternMatcher::TryAt(int nOffset)
{
    for (int i = 0; i <= kMaxGroups; ++i)
        m_GroupStart[i] = m_GroupEnd[i] = -1;
    m_nInput = nOffset;
    m_nDepth = 0;
    if (!MatchFrom(0))
        return false;
    m_GroupStart[0] = nOffset;
    m_GroupEnd[0] = m_nInput;
    return true;
}

bool CPatternMatcher::MatchFrom(int nNode)
{
    // Each level of recursion is one open choice (alternative, repetition count or group);
    // past the bound the whole search is abandoned rather than risking the stack.
    if (m_bAbandoned)
        return false;
    if (m_nDepth >= kMaxDepth) {
        m_bAbandoned = true;
        return false;
    }
    struct SDepthGuard {
        int& m_nDepth;
        explicit SDepthGuard(int& nDepth) : m_nDepth(nDepth) { ++m_nDepth; }
        ~SDepthGuard() { --m_nDepth; }
    } guard(m_nDepth);

    int nScan = nNode;
    while (nScan != kNone) {
        if (++m_nSteps > kMaxSteps) {
            m_bAbandoned = true;
            return false;
        }
        int nNext = NextNode(nScan);
        const unsigned char op = Op(nScan);
        switch (op) {
            case BOL:
                if (m_nInput != 0)
                    return false;
                break;
            case EOL:
                if (m_nInput != m_nTextLength)
                    return false;
                break;
            case ANY:
                if (m_nInput >= m_nTextLength)
                    return false;
                ++m_nInput;
                break;
            case EXACTLY: {
                const char* pLiteral = Operand(nScan);
                const size_t nLength = std::strlen(pLiteral);
                if (nLength > static_cast<size_t>(m_nTextLength - m_nInput) ||
                    std::memcmp(pLiteral, m_pText + m_nInput, nLength) != 0)
                    return false;
                m_nInput += static_cast<int>(nLength);
                break;
            }
            case ANYOF:
            case ANYBUT: {
                if (m_nInput >= m_nTextLength)
                    return false;
                // A NUL byte of the text is in no set (the set ends at its NUL).
                const int c = m_pText[m_nInput];
                const bool bInSet = c != 0 && std::strchr(Operand(nScan), c) != nullptr;
                if (bInSet != (op == ANYOF))
                    return false;
                ++m_nInput;
                break;
            }
            case NOTHING:
            case BACK:
                break;
            case BRANCH: {
                if (nNext == kNone || Op(nNext) != BRANCH) {
                    // A single alternative: no choice to remember.
                    nNext = nScan + kHeaderSize;
                    break;
                }
                do {
                    const int nSave = m_nInput;
                    if (MatchFrom(nScan + kHeaderSize))
                        return true;
                    m_nInput = nSave;
                    nScan = NextNode(nScan);
                } while (nScan != kNone && Op(nScan) == BRANCH && !m_bAbandoned);
                return false;
            }
            case STAR:
            case PLUS: {
                if (nNext == kNone)
                    return false;
                // Counts after which the text cannot continue with the next literal are skipped.
                const int nNextByte = Op(nNext) == EXACTLY ? static_cast<unsigned char>(*Operand(nNext)) : -1;
                const int nMin = op == STAR ? 0 : 1;
                const int nSave = m_nInput;
                int nCount = Repeat(nScan + kHeaderSize);
                while (nCount >= nMin && !m_bAbandoned) {
                    m_nInput = nSave + nCount;
                    if (nNextByte < 0 || (m_nInput < m_nTextLength && m_pText[m_nInput] == nNextByte)) {
                        if (MatchFrom(nNext))
                            return true;
                    }
                    --nCount;
                    ++m_nSteps;
                }
                return false;
            }
            case END:
                return true;
            default:
                if (op > OPEN && op <= OPEN + kMaxGroups) {
                    const int nGroup = op - OPEN;
                    const int nSave = m_nInput;
                    if (!MatchFrom(nNext))
                        return false;
                    // Set on the way back, so the first setter on the successful path wins.
                    if (m_GroupStart[nGroup] < 0)
                        m_GroupStart[nGroup] = nSave;
                    return true;
                }
                if (op > CLOSE && op <= CLOSE + kMaxGroups) {
                    const int nGroup = op - CLOSE;
                    const int nSave = m_nInput;
                    if (!MatchFrom(nNext))
                        return false;
                    if (m_GroupEnd[nGroup] < 0)
                        m_GroupEnd[nGroup] = nSave;
                    return true;
                }
                return false;  // not an opcode: a damaged program never matches
        }
        nScan = nNext;
    }
    return false;  // a chain that ends without END
}

// How many times in a row the single-byte node matches from the current position; the
// position moves past them.
int CPatternMatcher::Repeat(int nNode)
{
    const unsigned char* p = m_pText + m_nInput;
    const unsigned char* const pEnd = m_pText + m_nTextLength;
    const unsigned char* const pStart = p;
    switch (Op(nNode)) {
        case ANY:
            p = pEnd;
            break;
        case EXACTLY: {
            const unsigned char c = static_cast<unsigned char>(*Operand(nNode));
            while (p < pEnd && *p == c)
                ++p;
            break;
        }
        case ANYOF:
            while (p < pEnd && *p != 0 && std::strchr(Operand(nNode), *p) != nullptr)
                ++p;
            break;
        case ANYBUT:
            while (p < pEnd && (*p == 0 || std::strchr(Operand(nNode), *p) == nullptr))
                ++p;
            break;
        default:
            break;
    }
    const int nCount = static_cast<int>(p - pStart);
    m_nSteps += nCount;
    m_nInput += nCount;
    return nCount;
}
