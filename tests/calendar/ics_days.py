#!/usr/bin/python3
"""Prints the days an .ics file marks in FIRST..LAST, one "YYYY-MM-DD<TAB>label" a line, sorted.

A reader that is not the program's: icalendar parses, dateutil's rrule expands. Usage:
ics_days.py FILE FIRST LAST [--timed]
"""
import datetime
import sys

from dateutil.rrule import rrulestr
from icalendar import Calendar


def as_list(value):
    if value is None:
        return []
    return value if isinstance(value, list) else [value]


def wall(value):
    """A date stays a date; a time is taken on its own zone's wall clock."""
    if isinstance(value, datetime.datetime):
        return value.replace(tzinfo=None)
    return value


def same(a, b):
    if isinstance(a, datetime.datetime) and isinstance(b, datetime.datetime):
        return a == b
    day = lambda v: v.date() if isinstance(v, datetime.datetime) else v
    return day(a) == day(b)


def length_of(event, start):
    if isinstance(start, datetime.datetime):
        return 1
    if event.get('DTEND') is not None:
        end = event.decoded('DTEND')
        if isinstance(end, datetime.datetime):
            return 1
        return max(1, (end - start).days)
    if event.get('DURATION') is not None:
        return max(1, event.decoded('DURATION').days)
    return 1


def label(start, summary):
    if isinstance(start, datetime.datetime):
        return '%02d:%02d %s' % (start.hour, start.minute, summary)
    return summary


def main():
    path, first, last = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    timed = '--timed' in sys.argv
    low, high = datetime.date(first, 1, 1), datetime.date(last, 12, 31)
    calendar = Calendar.from_ical(open(path, 'rb').read())
    masters, moved = [], {}
    for event in calendar.walk('VEVENT'):
        if event.get('RECURRENCE-ID') is not None:
            moved.setdefault(str(event.get('UID')), []).append(event)
        else:
            masters.append(event)
    days = set()
    for event in masters:
        start = wall(event.decoded('DTSTART'))
        if isinstance(start, datetime.datetime) and not timed:
            continue
        summary = str(event.get('SUMMARY', '')).strip() or '(no title)'
        length = length_of(event, event.decoded('DTSTART'))
        occurrences = []
        if str(event.get('STATUS', '')).upper() != 'CANCELLED':
            occurrences.append((start, length, summary))
            anchor = start if isinstance(start, datetime.datetime) else datetime.datetime.combine(start, datetime.time())
            for rule in as_list(event.get('RRULE')):
                text = rule.to_ical().decode()
                expanded = rrulestr(text, dtstart=anchor)
                begin = datetime.datetime.combine(low - datetime.timedelta(days=length), datetime.time())
                end = datetime.datetime.combine(high, datetime.time(23, 59, 59))
                for t in expanded.between(begin, end, inc=True):
                    occurrences.append((t if isinstance(start, datetime.datetime) else t.date(), length, summary))
            for dates in as_list(event.get('RDATE')):
                for value in dates.dts:
                    v = value.dt[0] if isinstance(value.dt, tuple) else value.dt
                    v = wall(v)
                    if isinstance(v, datetime.datetime) and not timed:
                        continue
                    occurrences.append((v, length if not isinstance(v, datetime.datetime) else 1, summary))
            for dates in as_list(event.get('EXDATE')):
                for value in dates.dts:
                    occurrences = [o for o in occurrences if not same(wall(value.dt), o[0])]
        for override in moved.get(str(event.get('UID')), []):
            rid = wall(override.decoded('RECURRENCE-ID'))
            occurrences = [o for o in occurrences if not same(rid, o[0])]
            new_start = wall(override.decoded('DTSTART'))
            if str(override.get('STATUS', '')).upper() == 'CANCELLED':
                continue
            if isinstance(new_start, datetime.datetime) and not timed:
                continue
            text = str(override.get('SUMMARY', '')).strip() or '(no title)'
            occurrences.append((new_start, length_of(override, override.decoded('DTSTART')), text))
        for occurrence_start, span, text in occurrences:
            first_day = occurrence_start.date() if isinstance(occurrence_start, datetime.datetime) else occurrence_start
            for i in range(span):
                day = first_day + datetime.timedelta(days=i)
                if low <= day <= high:
                    days.add((day.isoformat(), label(occurrence_start, text)))
    for day, text in sorted(days):
        print('%s\t%s' % (day, text))


if __name__ == '__main__':
    main()
