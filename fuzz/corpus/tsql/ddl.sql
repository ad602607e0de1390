CREATE TABLE dbo.C (Id int IDENTITY(1,1) NOT NULL, [Usuario] varchar(30) NULL, Obs text) ON [PRIMARY]
ALTER TABLE dbo.C ADD X char(4) Not Null  CONSTRAINT DF_C_X DEFAULT ('a')