# Escribe una tabla dBase III con python-dbf, en Windows-1252, para ver que
# el motor de tablas la lee. Uso: escribir_db3.py FICHERO
import sys
import datetime
import dbf

t = dbf.Table(sys.argv[1], 'ASIG C(10); DIA N(3,0); HORA F(6,2); FIJA L; FECHA D',
              dbf_type='db3', codepage='cp1252')
t.open(dbf.READ_WRITE)
t.append(('Val\u00e8ncia', 1, 3.5, True, datetime.date(2024, 1, 31)))
t.append(('BORRADA', 2, 0.0, False, None))
t.append(('\u00d1', None, None, None, None))
t.append(('MAT', 12, -7.25, False, datetime.date(1999, 12, 31)))
dbf.delete(t[1])
t.close()
