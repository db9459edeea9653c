-- The Jet functions on a PostgreSQL school database, with the results the embedded file's registered
-- functions give. The statement translator casts each argument to the kind these take.

CREATE OR REPLACE FUNCTION jet_todate(s text) RETURNS date LANGUAGE plpgsql IMMUTABLE AS $$
BEGIN
    s := trim(s);
    IF s ~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}' THEN
        RETURN make_date(substr(s, 1, 4)::int, substr(s, 6, 2)::int, substr(s, 9, 2)::int);
    ELSIF s ~ '^[0-9]{8}$' THEN
        RETURN make_date(substr(s, 1, 4)::int, substr(s, 5, 2)::int, substr(s, 7, 2)::int);
    END IF;
    RETURN NULL;
EXCEPTION WHEN others THEN
    RETURN NULL;
END $$;

CREATE OR REPLACE FUNCTION jet_mid(s text, start numeric) RETURNS text LANGUAGE sql IMMUTABLE STRICT AS
$$ SELECT substr(s, greatest(1, trunc(start)::int)) $$;
CREATE OR REPLACE FUNCTION jet_mid(s text, start numeric, len numeric) RETURNS text LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN s IS NULL THEN NULL ELSE substr(s, greatest(1, trunc(start)::int), greatest(0, trunc(len)::int)) END $$;
CREATE OR REPLACE FUNCTION jet_left(s text, n numeric) RETURNS text LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN s IS NULL THEN NULL ELSE left(s, greatest(0, trunc(n)::int)) END $$;
CREATE OR REPLACE FUNCTION jet_right(s text, n numeric) RETURNS text LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN s IS NULL THEN NULL ELSE right(s, greatest(0, trunc(n)::int)) END $$;
CREATE OR REPLACE FUNCTION jet_len(s text) RETURNS bigint LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT length(s)::bigint $$;

-- Val: blanks are skipped, the number at the start is read, anything else ends it.
CREATE OR REPLACE FUNCTION jet_val(s text) RETURNS numeric LANGUAGE plpgsql IMMUTABLE STRICT AS $$
DECLARE
    digits text := '';
    c text;
    i int := 1;
    seen_dot boolean := false;
    seen_digit boolean := false;
BEGIN
    WHILE i <= length(s) AND substr(s, i, 1) IN (' ', E'\t') LOOP i := i + 1; END LOOP;
    IF i <= length(s) AND substr(s, i, 1) IN ('-', '+') THEN digits := substr(s, i, 1); i := i + 1; END IF;
    WHILE i <= length(s) LOOP
        c := substr(s, i, 1);
        IF c IN (' ', E'\t') THEN NULL;
        ELSIF c BETWEEN '0' AND '9' THEN digits := digits || c; seen_digit := true;
        ELSIF c = '.' AND NOT seen_dot THEN digits := digits || c; seen_dot := true;
        ELSE EXIT;
        END IF;
        i := i + 1;
    END LOOP;
    IF NOT seen_digit THEN RETURN 0; END IF;
    RETURN trim_scale(digits::numeric);
END $$;

CREATE OR REPLACE FUNCTION jet_numtext(n numeric) RETURNS text LANGUAGE sql IMMUTABLE STRICT AS
$$ SELECT trim_scale(n)::text $$;
CREATE OR REPLACE FUNCTION jet_str(n numeric) RETURNS text LANGUAGE sql IMMUTABLE STRICT AS
$$ SELECT CASE WHEN n >= 0 THEN ' ' ELSE '' END || jet_numtext(n) $$;

CREATE OR REPLACE FUNCTION jet_year(s text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT extract(year FROM jet_todate(s))::int $$;
CREATE OR REPLACE FUNCTION jet_month(s text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT extract(month FROM jet_todate(s))::int $$;
CREATE OR REPLACE FUNCTION jet_day(s text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT extract(day FROM jet_todate(s))::int $$;
CREATE OR REPLACE FUNCTION jet_weekday(s text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT extract(dow FROM jet_todate(s))::int + 1 $$;
CREATE OR REPLACE FUNCTION jet_int(n numeric) RETURNS numeric LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT floor(n) $$;
CREATE OR REPLACE FUNCTION jet_fix(n numeric) RETURNS numeric LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT trunc(n) $$;

-- Rounding to even on a half, as Jet's Round and CInt do.
CREATE OR REPLACE FUNCTION jet_round(n numeric, d numeric DEFAULT 0) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$
    SELECT CASE WHEN n IS NULL THEN NULL
                WHEN abs(n * 10 ^ d - trunc(n * 10 ^ d)) = 0.5 THEN 2 * round(n * 10 ^ d / 2) / 10 ^ d
                ELSE round(n * 10 ^ d) / 10 ^ d END $$;
CREATE OR REPLACE FUNCTION jet_cint(n numeric) RETURNS bigint LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT jet_round(n)::bigint $$;

CREATE OR REPLACE FUNCTION jet_instr(s1 text, s2 text) RETURNS integer LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT position(s2 IN s1) $$;
CREATE OR REPLACE FUNCTION jet_instr(start numeric, s1 text, s2 text) RETURNS integer LANGUAGE sql IMMUTABLE STRICT AS $$
    SELECT CASE WHEN position(s2 IN substr(s1, greatest(1, start::int))) = 0 THEN 0
                ELSE position(s2 IN substr(s1, greatest(1, start::int))) + greatest(1, start::int) - 1 END $$;
CREATE OR REPLACE FUNCTION jet_space(n numeric) RETURNS text LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT repeat(' ', greatest(0, n::int)) $$;
CREATE OR REPLACE FUNCTION jet_string(n numeric, c text) RETURNS text LANGUAGE sql IMMUTABLE AS
$$ SELECT repeat(CASE WHEN coalesce(c, '') = '' THEN ' ' ELSE left(c, 1) END, greatest(0, n::int)) $$;

CREATE OR REPLACE FUNCTION jet_dateserial(y numeric, m numeric, d numeric) RETURNS text LANGUAGE sql IMMUTABLE STRICT AS
$$ SELECT to_char(make_date(y::int, 1, 1) + make_interval(months => m::int - 1) + make_interval(days => d::int - 1), 'YYYY-MM-DD') $$;
CREATE OR REPLACE FUNCTION jet_dateadd(unit text, n numeric, s text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
    SELECT to_char(jet_todate(s) + CASE lower(unit) WHEN 'yyyy' THEN make_interval(years => n::int)
                                                     WHEN 'm' THEN make_interval(months => n::int)
                                                     WHEN 'ww' THEN make_interval(days => 7 * n::int)
                                                     ELSE make_interval(days => n::int) END, 'YYYY-MM-DD') $$;
CREATE OR REPLACE FUNCTION jet_datediff(unit text, a text, b text) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$
    SELECT CASE lower(unit) WHEN 'yyyy' THEN extract(year FROM jet_todate(b)) - extract(year FROM jet_todate(a))
                            WHEN 'm' THEN (extract(year FROM jet_todate(b)) - extract(year FROM jet_todate(a))) * 12
                                          + extract(month FROM jet_todate(b)) - extract(month FROM jet_todate(a))
                            WHEN 'ww' THEN trunc((jet_todate(b) - jet_todate(a)) / 7.0)
                            ELSE jet_todate(b) - jet_todate(a) END::bigint $$;

-- IIf's condition: a comparison, or a number that is true when not zero (IsNull gives 1 or 0).
CREATE OR REPLACE FUNCTION jet_cond(c boolean) RETURNS boolean LANGUAGE sql IMMUTABLE AS $$ SELECT coalesce(c, false) $$;
CREATE OR REPLACE FUNCTION jet_cond(c numeric) RETURNS boolean LANGUAGE sql IMMUTABLE AS $$ SELECT coalesce(c <> 0, false) $$;

-- Jet's "+": two texts join, numbers add, a text beside a number adds as its Val, null gives null.
CREATE OR REPLACE FUNCTION jet_plus(a text, b text) RETURNS text LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT a || b $$;
CREATE OR REPLACE FUNCTION jet_plus(a integer, b integer) RETURNS bigint LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT a::bigint + b $$;
CREATE OR REPLACE FUNCTION jet_plus(a bigint, b bigint) RETURNS bigint LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT a + b $$;
CREATE OR REPLACE FUNCTION jet_plus(a numeric, b numeric) RETURNS numeric LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT a + b $$;
CREATE OR REPLACE FUNCTION jet_plus(a double precision, b double precision) RETURNS double precision LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT a + b $$;
CREATE OR REPLACE FUNCTION jet_plus(a text, b numeric) RETURNS numeric LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT jet_val(a) + b $$;
CREATE OR REPLACE FUNCTION jet_plus(a numeric, b text) RETURNS numeric LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT a + jet_val(b) $$;

-- Format: number patterns of 0 # , . with literals between ("0000-00"), date patterns of y m d h n s.
CREATE OR REPLACE FUNCTION jet_format_date(y int, mo int, d int, h int, mi int, se int, dow int, p text) RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    o text := '';
    i int := 1;
    k int;
    c text;
    last_hour boolean := false;
    v int;
BEGIN
    WHILE i <= length(p) LOOP
        c := lower(substr(p, i, 1));
        k := 1;
        IF c IN ('y', 'm', 'd', 'h', 'n', 's', 'a') THEN
            WHILE i + k <= length(p) AND lower(substr(p, i + k, 1)) = c LOOP k := k + 1; END LOOP;
        END IF;
        IF c = 'y' THEN
            o := o || CASE WHEN k >= 3 THEN y::text ELSE lpad((y % 100)::text, 2, '0') END;
        ELSIF c = 'm' THEN
            v := CASE WHEN last_hour THEN mi ELSE mo END;
            o := o || CASE WHEN k >= 2 THEN lpad(v::text, 2, '0') ELSE v::text END;
        ELSIF c = 'd' THEN
            o := o || CASE WHEN k >= 2 THEN lpad(d::text, 2, '0') ELSE d::text END;
        ELSIF c = 'h' THEN
            o := o || CASE WHEN k >= 2 THEN lpad(h::text, 2, '0') ELSE h::text END;
        ELSIF c = 'n' THEN
            o := o || CASE WHEN k >= 2 THEN lpad(mi::text, 2, '0') ELSE mi::text END;
        ELSIF c = 's' THEN
            o := o || CASE WHEN k >= 2 THEN lpad(se::text, 2, '0') ELSE se::text END;
        ELSIF c = 'a' AND k >= 3 THEN
            o := o || (ARRAY['월', '화', '수', '목', '금', '토', '일'])[dow];
        ELSE
            o := o || substr(p, i, k);
        END IF;
        IF c NOT IN (':', ' ') THEN last_hour := (c = 'h'); END IF;
        i := i + k;
    END LOOP;
    RETURN o;
END $$;

CREATE OR REPLACE FUNCTION jet_format(v text, p text DEFAULT '') RETURNS text LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    num numeric;
    s text;
    dt timestamp;
    dot int;
    int_pat text;
    frac_pat text;
    thousands boolean;
    frac_digits int;
    frac_required int;
    rounded numeric;
    negative boolean;
    digits text;
    int_digits text;
    frac_text text;
    min_int int;
    int_out text := '';
    c text;
    d int;
    i int;
    first_ph int;
    last_ph int;
    o text;
BEGIN
    IF v IS NULL THEN RETURN NULL; END IF;
    p := coalesce(p, '');
    IF p ~ '[yYdDhHnNsS]' OR (p ~ '[mM]' AND p !~ '[0#]') THEN
        s := trim(v);
        BEGIN
            IF s ~ '^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}' THEN
                dt := to_timestamp(left(s, 19), 'YYYY-MM-DD HH24:MI:SS')::timestamp;
            ELSIF jet_todate(s) IS NOT NULL THEN
                dt := jet_todate(s)::timestamp;
            ELSIF s ~ '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' THEN
                dt := ('1899-12-30 ' || s)::timestamp;
            END IF;
        EXCEPTION WHEN others THEN
            dt := NULL;
        END;
        IF dt IS NULL THEN RETURN s; END IF;
        RETURN jet_format_date(extract(year FROM dt)::int, extract(month FROM dt)::int, extract(day FROM dt)::int,
                               extract(hour FROM dt)::int, extract(minute FROM dt)::int, extract(second FROM dt)::int,
                               extract(isodow FROM dt)::int, p);
    END IF;
    BEGIN
        num := trim(v)::numeric;
    EXCEPTION WHEN others THEN
        RETURN v;
    END;
    IF p = '' THEN RETURN jet_numtext(num); END IF;
    dot := position('.' IN p);
    int_pat := CASE WHEN dot > 0 THEN left(p, dot - 1) ELSE p END;
    frac_pat := CASE WHEN dot > 0 THEN substr(p, dot + 1) ELSE '' END;
    thousands := position(',' IN int_pat) > 0;
    int_pat := replace(int_pat, ',', '');
    frac_required := length(frac_pat) - length(replace(frac_pat, '0', ''));
    frac_digits := frac_required + length(frac_pat) - length(replace(frac_pat, '#', ''));
    rounded := round(abs(num), frac_digits); -- half away from zero, as Format does
    negative := num < 0 AND rounded <> 0;
    digits := rounded::text;
    int_digits := split_part(digits, '.', 1);
    frac_text := split_part(digits, '.', 2);
    WHILE length(frac_text) > frac_required AND right(frac_text, 1) = '0' LOOP
        frac_text := left(frac_text, -1);
    END LOOP;
    min_int := length(int_pat) - length(replace(int_pat, '0', ''));
    IF int_digits = '0' AND min_int = 0 THEN int_digits := ''; END IF;
    IF length(int_digits) < min_int THEN int_digits := lpad(int_digits, min_int, '0'); END IF;
    IF thousands THEN
        FOR i IN 1 .. length(int_digits) LOOP
            IF i > 1 AND (length(int_digits) - i + 1) % 3 = 0 THEN int_out := int_out || ','; END IF;
            int_out := int_out || substr(int_digits, i, 1);
        END LOOP;
        first_ph := coalesce(nullif(position('0' IN int_pat), 0), 100000);
        first_ph := least(first_ph, coalesce(nullif(position('#' IN int_pat), 0), 100000));
        last_ph := length(int_pat) - least(coalesce(nullif(position('0' IN reverse(int_pat)), 0), 100000),
                                           coalesce(nullif(position('#' IN reverse(int_pat)), 0), 100000)) + 1;
        IF first_ph < 100000 AND first_ph > 1 THEN int_out := left(int_pat, first_ph - 1) || int_out; END IF;
        IF last_ph >= 1 AND last_ph < length(int_pat) THEN int_out := int_out || substr(int_pat, last_ph + 1); END IF;
    ELSE
        -- Fill the placeholders from the right; literals between them stay in place.
        d := length(int_digits);
        FOR i IN REVERSE length(int_pat) .. 1 LOOP
            c := substr(int_pat, i, 1);
            IF c IN ('0', '#') THEN
                IF d >= 1 THEN int_out := substr(int_digits, d, 1) || int_out; d := d - 1; END IF;
                IF d >= 1 AND left(int_pat, i - 1) !~ '[0#]' THEN int_out := left(int_digits, d) || int_out; d := 0; END IF;
            ELSIF d >= 1 OR position('0' IN left(int_pat, i - 1)) > 0 OR left(int_pat, i - 1) !~ '[0#]' THEN
                int_out := c || int_out;
            END IF;
        END LOOP;
        IF d >= 1 THEN int_out := left(int_digits, d) || int_out; END IF;
    END IF;
    o := int_out;
    IF frac_text <> '' OR (dot > 0 AND frac_required > 0) THEN
        o := o || '.' || frac_text;
    ELSIF dot > 0 AND frac_pat = '' THEN
        o := o || '.';
    END IF;
    RETURN CASE WHEN negative THEN '-' || o ELSE o END;
END $$;
