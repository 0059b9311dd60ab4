"""The answer Lumivex's read-only mode writes to its standard output, read
as src/readers/twin_protocol.h describes it: UTF-16LE records

    LUMIVEX-TWIN 1\\n
    P <done> <total>\\n                        (any number)
    T <units>\\n<that many UTF-16 units>
    R <error> <stopped> <cancelled> <kept>\\n
"""

GREETING = "LUMIVEX-TWIN 1"
NEWLINE = "\n".encode("utf-16-le")


class TwinAnswerError(ValueError):
    pass


def _line(data, at):
    """The record line starting at byte `at` and where the next one starts;
    None while the line is not whole."""
    end = data.find(NEWLINE, at)
    while end >= 0 and (end - at) % 2:
        end = data.find(NEWLINE, end + 1)
    if end < 0:
        return None
    return data[at:end].decode("utf-16-le"), end + 2


def parse(data):
    """The outcome as a dict (text, error, stopped, cancelled, kept,
    progress) once the answer is whole; None while it is not.
    TwinAnswerError for bytes no twin writes."""
    found = _line(data, 0)
    if found is None:
        if len(data) > 2 * (len(GREETING) + 1):
            raise TwinAnswerError("no greeting")
        return None
    greeting, at = found
    if greeting != GREETING:
        raise TwinAnswerError(f"greeting {greeting!r}")
    progress = []
    while True:
        found = _line(data, at)
        if found is None:
            return None
        record, at = found
        fields = record.split(" ")
        if fields[0] == "P" and len(fields) == 3:
            progress.append((int(fields[1]), int(fields[2])))
        elif fields[0] == "T" and len(fields) == 2:
            units = int(fields[1])
            break
        else:
            raise TwinAnswerError(f"record {record!r}")
    if len(data) < at + 2 * units:
        return None
    text = data[at:at + 2 * units].decode("utf-16-le", errors="surrogatepass")
    found = _line(data, at + 2 * units)
    if found is None:
        return None
    record, end = found
    fields = record.split(" ")
    if fields[0] != "R" or len(fields) != 5 or end != len(data):
        raise TwinAnswerError(f"outcome {record!r}, {len(data) - end} bytes after it")
    return {"text": text, "error": fields[1], "stopped": fields[2], "cancelled": fields[3], "kept": fields[4],
            "progress": progress}
